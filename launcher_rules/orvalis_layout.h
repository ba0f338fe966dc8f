#pragma once

#include "launcher_rules/ball_box.h"
#include "startup/screen_class.h"
#include "startup/screen_fit.h"

#include <string>

namespace tarvon {

struct TwipsRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    float right() const { return left + width; }
};

// A label that sizes itself to its text.
struct LabelPlace {
    float left = 0; // twips
    float top = 0;
    float fontPoints = 0;
};

// Where the launcher window's controls go for one screen class: the layout
// drawn for 1024-pixel screens, scaled by the screen factor when it differs.
struct OrvalisLayout {
    float windowFontPoints = 0;
    LabelPlace lblSubtitol, lblTitol0, lblFi;
    TwipsRect bars[3];
    TwipsRect picMenu, shpMenu;
    TwipsRect picSobre, cmdSobre, picRecom, cmdRecom;
    float buttonFontPoints = 0;
    std::string picSobreFile, picRecomFile; // in the data folder
    TwipsRect Caja;
    BallBox box;
};

OrvalisLayout OrvalisLayoutFor(const ScreenClass& screen);

// A picture panel whose picture is smaller than its place, as on a screen
// whose factor is fitted rather than a class's (pictures are never scaled up),
// takes the picture's size; its close button keeps its distance from the
// panel's bottom right corner. Sizes in twips.
void FitPanelToPicture(TwipsRect& panel, TwipsRect& button, float pictureWidth,
                       float pictureHeight);

// What the launcher window shows at factor f: panels, pictures, buttons,
// title labels and the box, twips from the client area's top left.
Extent OrvalisLayoutExtent(float f);

} // namespace tarvon

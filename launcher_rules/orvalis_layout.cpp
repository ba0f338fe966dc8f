#include "launcher_rules/orvalis_layout.h"

#include <algorithm>

namespace tarvon {

namespace {

constexpr float kBoxPicture = 3400; // side of Caja, twips
constexpr float kButtonWidth = 1215;
constexpr float kButtonHeight = 495;

OrvalisLayout baseLayout(float factor) {
    OrvalisLayout l;
    l.windowFontPoints = 10;
    l.buttonFontPoints = 10;
    l.picSobre = {5550, 0, 6015, 9015};
    l.cmdSobre = {10300, 8520, kButtonWidth, kButtonHeight};
    l.picRecom = {3550, 0, 4455, 9200};
    // In the picture's bottom right corner, clear of its edges (right 8005, bottom 9200).
    l.cmdRecom = {6740, 8655, kButtonWidth, kButtonHeight};
    l.picSobreFile = "SobreAquestTreball.jpg";
    l.picRecomFile = "Recomana.jpg";
    l.picMenu = {6050, 4050, 8500, factor <= 1 ? 4700.0f : 5000.0f};
    l.shpMenu = {6000, 4000, 8600, factor <= 1 ? 5000.0f : 5300.0f};
    l.lblTitol0 = {5000, 5200, 18};
    l.lblSubtitol = {2000, 2000, 32};
    l.bars[0] = {1600, 2000, 80, 2000};
    l.bars[1] = {4600, 4500, 80, 2000};
    l.bars[2] = {1600, 7000, 80, 2000};
    l.lblFi = {2000, 8400, 21.75f};
    l.Caja = {0, 400, kBoxPicture, kBoxPicture};
    return l;
}

void scale(TwipsRect& r, float f) {
    r = {r.left * f, r.top * f, r.width * f, r.height * f};
}

void scale(LabelPlace& p, float f) {
    p = {p.left * f, p.top * f, p.fontPoints * f};
}

// Everything but picMenu grows or shrinks with the screen; the pictures
// have variants drawn for the other two screen widths.
void EscalaPantalla(OrvalisLayout& l, float f) {
    l.windowFontPoints *= f;
    l.buttonFontPoints *= f;
    scale(l.Caja, f);
    scale(l.lblTitol0, f);
    scale(l.lblSubtitol, f);
    scale(l.lblFi, f);
    scale(l.picSobre, f);
    scale(l.picRecom, f);
    scale(l.cmdSobre, f);
    scale(l.cmdRecom, f);
    for (TwipsRect& bar : l.bars)
        scale(bar, f);
    scale(l.shpMenu, f);
    // The largest variant not larger than its place: a fitted factor between
    // the classes' takes the smaller one's.
    const char* variant = f >= 1.125f ? "1152" : f >= 1 ? "" : "800";
    l.picSobreFile = std::string("SobreAquestTreball") + variant + ".jpg";
    l.picRecomFile = std::string("Recomana") + variant + ".jpg";
}

} // namespace

OrvalisLayout OrvalisLayoutFor(const ScreenClass& screen) {
    const float f = screen.FactorPantalla;
    OrvalisLayout l = baseLayout(f);
    if (screen.CanviPantalla)
        EscalaPantalla(l, f);
    // The box sits at the right end of the menu panel.
    l.Caja.left = l.shpMenu.right() - l.Caja.width;
    l.box = LauncherBox(screen.CanviPantalla ? f : 1.0f);
    return l;
}

namespace {

// A label sized to its one line of text: about 1.25 of its font's height,
// 20 twips a point.
double labelBottom(const LabelPlace& p) {
    return p.top + 1.25 * 20 * p.fontPoints;
}

} // namespace

Extent OrvalisLayoutExtent(float f) {
    const OrvalisLayout l = OrvalisLayoutFor({f, true});
    Extent e;
    // picMenu is never shown: shpMenu is the menu panel.
    for (const TwipsRect* r : {&l.picSobre, &l.cmdSobre, &l.picRecom, &l.cmdRecom, &l.shpMenu,
                               &l.Caja, &l.bars[0], &l.bars[1], &l.bars[2]}) {
        e.width = std::max(e.width, static_cast<double>(r->right()));
        e.height = std::max(e.height, static_cast<double>(r->top + r->height));
    }
    for (const LabelPlace* p : {&l.lblSubtitol, &l.lblTitol0, &l.lblFi})
        e.height = std::max(e.height, labelBottom(*p));
    return e;
}

void FitPanelToPicture(TwipsRect& panel, TwipsRect& button, float pictureWidth,
                       float pictureHeight) {
    if (pictureWidth <= 0 || pictureHeight <= 0)
        return; // a missing picture leaves its place as it is
    const float fromRight = panel.right() - button.right();
    const float fromBottom = panel.top + panel.height - (button.top + button.height);
    panel.width = std::min(panel.width, pictureWidth);
    panel.height = std::min(panel.height, pictureHeight);
    button.left = panel.right() - fromRight - button.width;
    button.top = panel.top + panel.height - fromBottom - button.height;
}

} // namespace tarvon

#include "layout/layout_extent.h"

#include "layout/window_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvon {
namespace {

constexpr double kTwips = 15;  // a logical pixel
constexpr double kChrome = 45; // title bar and menu bar, logical pixels

struct Screen {
    const char* name;
    int width, height; // device pixels
    double scale;      // device pixels per logical pixel
};

Extent ClientArea(const Screen& s) {
    return {s.width / s.scale * kTwips, (s.height / s.scale - kChrome) * kTwips};
}

// Where the window puts the layout: at the top left for a class, centred
// when fitted.
std::pair<double, double> Offset(const ScreenClass& c, Extent area) {
    if (!c.fitted)
        return {0, 0};
    const Extent e = TarvonLayoutExtent(c.FactorPantalla);
    return {(area.width - e.width) / 2, (area.height - e.height) / 2};
}

TEST(TarvonScreenFit, FourThreeClassesAreKeptAndEveryOtherScreenFits) {
    const struct {
        Screen screen;
        bool keepsClass;
    } cases[] = {
        {{"800x600", 800, 600, 1}, true},        {{"1024x768", 1024, 768, 1}, true},
        {{"1280x1024", 1280, 1024, 1}, true},    {{"1280x720", 1280, 720, 1}, false},
        {{"1366x768", 1366, 768, 1}, false},     {{"1920x1080", 1920, 1080, 1}, false},
        {{"2560x1440", 2560, 1440, 1}, false},   {{"2560x1440@2", 2560, 1440, 2}, false},
        {{"3840x2160@2", 3840, 2160, 2}, false}, {{"portrait 768x1024", 768, 1024, 1}, false},
        {{"tiny 640x480", 640, 480, 1}, false},
    };
    for (const auto& c : cases) {
        const Extent area = ClientArea(c.screen);
        const ScreenClass s = FitScreen(area, TarvonLayoutExtent);
        const ScreenClass byWidth = ClassifyScreen(area.width);
        EXPECT_EQ(!s.fitted, c.keepsClass) << c.screen.name;
        if (c.keepsClass) {
            EXPECT_EQ(s.FactorPantalla, byWidth.FactorPantalla) << c.screen.name;
        }
        const auto [dx, dy] = Offset(s, area);
        for (const NamedRect& r : TarvonLayoutRects(s.FactorPantalla)) {
            EXPECT_GE(r.left + dx, 0) << c.screen.name << " " << r.name;
            EXPECT_GE(r.top + dy, 0) << c.screen.name << " " << r.name;
            EXPECT_LE(r.right() + dx, area.width) << c.screen.name << " " << r.name;
            EXPECT_LE(r.bottom() + dy, area.height) << c.screen.name << " " << r.name;
        }
    }
}

TEST(TarvonScreenFit, WideScreensUseTheirRoomAndShortOnesShrink) {
    // 1920 x 1080 would leave a third empty at the wide class's 1.125.
    const ScreenClass big = FitScreen(ClientArea({"", 1920, 1080, 1}), TarvonLayoutExtent);
    EXPECT_GE(big.FactorPantalla, 1.25f * 1.125f);
    // 1280 x 720 is wide but too short for 1.125.
    const ScreenClass shortScreen = FitScreen(ClientArea({"", 1280, 720, 1}), TarvonLayoutExtent);
    EXPECT_LT(shortScreen.FactorPantalla, 1.125f);
    // The same logical screen at scale 2 gets the same layout.
    const ScreenClass hiDpi = FitScreen(ClientArea({"", 2560, 1440, 2}), TarvonLayoutExtent);
    EXPECT_EQ(hiDpi.FactorPantalla, shortScreen.FactorPantalla);
}

TEST(TarvonLayoutRects, CountEveryControlTheWindowPlacesOnItsClient) {
    const WindowLayout l = LayoutFor(1.0f, false);
    const std::vector<NamedRect> rects = TarvonLayoutRects(1.0f);
    const auto counted = [&](const std::string& name) {
        for (const NamedRect& r : rects)
            if (r.name == name)
                return true;
        return false;
    };
    for (const char* name : {"Caja", "lblPropietats", "txtDades", "txt4", "cmdContinuar",
                             "lblTipus(4)", "picCrono", "VScrollVel", "lblDS2", "legend"})
        EXPECT_TRUE(counted(name)) << name;
    // The box at its largest reaches further right than its design place.
    for (const NamedRect& r : rects)
        if (r.name == "Caja") {
            EXPECT_GT(r.right(), l.at("Caja").Left + l.at("Caja").Width);
        }
}

} // namespace
} // namespace tarvon

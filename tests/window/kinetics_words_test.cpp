#include "texts/marked_language.h"
#include "window/collision_text.h"
#include "window/order_report.h"
#include "window/run_settings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

namespace tarvon {
namespace {

const test::MarkedLanguage kMarked;

DataRows Table(int rows, const std::function<int(int)>& count) {
    DataRows t{true, {"Temps", "A", "B"}, {}, {}};
    for (int i = 0; i < rows; ++i)
        t.rows.push_back({static_cast<float>(i), {count(i), count(0) - count(i)}});
    return t;
}

TEST(KineticsWords, EveryLineOfTheOrderReportComesThroughTheLanguage) {
    const DataRows second = Table(
        31, [](int i) { return static_cast<int>(std::lround(1 / (1.0 / 400 + 0.0005 * 2 * i))); });
    const DataRows flat = Table(8, [](int) { return 144; });
    const DataRows few = Table(3, [](int i) { return 100 - i; });
    DataRows zeros{true, {"Temps", "NH3"}, {{0, {0}}, {1, {0}}, {2, {0}}, {3, {1}}}, {}};
    const DataRows linear = Table(20, [](int i) { return 300 - 4 * i; });
    // A reactant, its product, a constant rate, no decision, too few rows,
    // too few present, no table.
    const std::pair<const DataRows*, std::size_t> cases[] = {
        {&second, 1}, {&second, 2}, {&linear, 2}, {&flat, 1}, {&few, 1}, {&zeros, 1}, {&zeros, 5}};
    for (const auto& [table, column] : cases) {
        const OrderReport r = BuildOrderReport(*table, column, ',', kMarked);
        ASSERT_FALSE(r.lines.empty());
        for (const std::string& line : r.lines)
            EXPECT_EQ(line.front(), '~') << line;
        if (r.fits) { // the unit of k is a word too
            EXPECT_NE(r.lines[0].find("~partícules/s"), std::string::npos) << r.lines[0];
        }
    }
}

TEST(KineticsWords, CollisionsAndRunNamesComeThroughTheLanguage) {
    EXPECT_EQ(CollisionText({CollisionKind::Molecules, 4, 1}, ',', kMarked),
              "~Des que ha començat l'experiment: xocs: 4; efectius: 1 (25,0 %)");
    EXPECT_EQ(CollisionText({CollisionKind::Surface, 8, 1}, ',', kMarked).front(), '~');
    EXPECT_EQ(CollisionText({CollisionKind::None, 8, 1}, ',', kMarked), "");
    RunSettings r{"HI", 144, 1.5f, 30, false, 0};
    EXPECT_EQ(RunLabel(r, kMarked), "~144 partícules, 1,5:1, velocitat 30");
    r.VolumConstant = true;
    EXPECT_EQ(RunLabel(r, kMarked), "~144 partícules, 1,5:1, velocitat 30, volum constant");
}

TEST(KineticsWords, TheUndecidedMarginIsWrittenWithTheUsersSeparator) {
    const OrderReport r = BuildOrderReport(Table(8, [](int) { return 144; }), 1, '.', Catala());
    bool found = false;
    for (const std::string& line : r.lines)
        found = found || line.ends_with("supera el del següent en menys de 0.01.");
    EXPECT_TRUE(found);
}

} // namespace
} // namespace tarvon

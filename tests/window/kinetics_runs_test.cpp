#include "window/kinetics_runs.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvon {
namespace {

DataRows Table(int rows) {
    DataRows t{true, {"Temps", "HI", "H2", "I2"}, {}, {}};
    for (int i = 0; i < rows; ++i)
        t.rows.push_back({0.5f * static_cast<float>(i), {100 - i, i, i}});
    return t;
}

TEST(KineticsRuns, KeepsFiveRunsOfOneReactionAtMost) {
    KineticsRuns runs;
    for (int i = 1; i <= 7; ++i) {
        runs.begin("HI", "run " + std::to_string(i));
        runs.end(Table(3 + i));
    }
    ASSERT_EQ(runs.earlier().size(), KineticsRuns::kMaxRuns);
    EXPECT_EQ(runs.earlier().front().name, "run 3"); // the oldest went first
    EXPECT_EQ(runs.earlier().back().name, "run 7");
    EXPECT_EQ(runs.earlier().back().table.rows.size(), 10u);

    runs.begin("HI", "run 8"); // with the current one: five in all
    EXPECT_EQ(runs.earlier().size(), KineticsRuns::kMaxRuns - 1);
    EXPECT_EQ(runs.earlier().front().name, "run 4");
    EXPECT_TRUE(runs.running());
    EXPECT_EQ(runs.currentName(), "run 8");
}

TEST(KineticsRuns, AnotherReactionOrAnEmptyTableStartsNoComparison) {
    KineticsRuns runs;
    runs.begin("HI", "a");
    runs.end(Table(1)); // a table of its first row only draws nothing
    EXPECT_TRUE(runs.earlier().empty());
    runs.begin("HI", "b");
    runs.end(Table(5));
    runs.end(Table(9)); // ended already: not kept twice
    EXPECT_EQ(runs.earlier().size(), 1u);
    EXPECT_FALSE(runs.running());

    const auto before = runs.revision();
    runs.begin("NH3", "c");
    EXPECT_NE(runs.revision(), before);
    EXPECT_TRUE(runs.earlier().empty());
    EXPECT_EQ(runs.currentReaction(), "NH3");
}

} // namespace
} // namespace tarvon

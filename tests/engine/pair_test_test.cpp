#include "engine/pair_test.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace tarvon {
namespace {

TEST(PairTest,
     ThresholdIsInclusiveCoincidingCentresDoNotCollideAndTheScanEndsOnTheLastPairTakingPart) {
    SimulationState s;
    const auto place = [&s](int i, float x, float y, float z) {
        s.PosX[i] = x, s.PosY[i] = y, s.PosZ[i] = z;
    };
    place(0, 1000, 1000, 1000);
    place(1, 1300, 1400, 2200); // 300, 400, 1200 apart: d = 1300
    EXPECT_TRUE(PairTest(s, 0, 1, 1300, 1.0));
    EXPECT_FLOAT_EQ(s.DistXoc, 1300);
    EXPECT_FALSE(PairTest(s, 0, 1, 1299, 1.0));
    place(1, 1000, 1000, 1000);
    EXPECT_FALSE(PairTest(s, 0, 1, 100, 1.0));

    place(1, 1050, 1000, 1000); // ratio 0.5
    place(2, 1000, 1090, 1000); // ratio 0.9
    place(3, 2000, 1000, 1000); // far
    std::vector<std::pair<int, float>> hits;
    PairScan(
        s, 0, 1, 3, 0.9, [](int) { return 100.0; },
        [&](int j) { hits.emplace_back(j, s.RatioXoc); });
    EXPECT_EQ(hits, (std::vector<std::pair<int, float>>{{1, 0.5f}, {2, 0.9f}}));
    EXPECT_FLOAT_EQ(s.DistXoc, 1000);
    EXPECT_FLOAT_EQ(s.RatioXoc, 10);

    // Slots passed over are neither hit nor the last pair.
    hits.clear();
    PairScan(
        s, 0, 1, 3, 0.9, [](int) { return 100.0; },
        [&](int j) { hits.emplace_back(j, s.RatioXoc); }, [](int j) { return j != 2; });
    EXPECT_EQ(hits, (std::vector<std::pair<int, float>>{{1, 0.5f}}));
    EXPECT_FLOAT_EQ(s.RatioXoc, 10);
    PairScan(
        s, 0, 1, 3, 0.9, [](int) { return 100.0; }, [](int) {}, [](int j) { return j < 3; });
    EXPECT_FLOAT_EQ(s.RatioXoc, 0.9f);
}

} // namespace
} // namespace tarvon

#include "window/chronometer.h"

#include <gtest/gtest.h>

namespace tarvon {
namespace {

constexpr double kStart = 5000; // any clock reading

// A running chronometer ticked every 0.1 s as the Crono timer does, half a
// tenth off the full seconds so that no tick lands on a boundary.
struct Running {
    Running() { IniciCrono(c, kStart); }
    void tickTo(double elapsed) {
        for (; next <= elapsed; next += 0.1)
            CronoTick(c, kStart + next);
    }
    std::string shown() const { return c.lblMinuts + ":" + c.lblSegons; }
    Chronometer c;
    double next = 0.05;
};

TEST(Chronometer, TheLapIsTheLastTickInTenths) {
    Running r;
    CronoTick(r.c, kStart + 12.34);
    EXPECT_EQ(IniciCrono(r.c, kStart + 12.9), 12.3f); // the press itself is not timed
    EXPECT_FALSE(r.c.CronoEnabled);
    EXPECT_EQ(r.c.lblCent, "34"); // the display keeps the stopped time

    // Pressed again: a new start from zero, without a lap.
    EXPECT_EQ(IniciCrono(r.c, kStart + 20), std::nullopt);
    EXPECT_TRUE(r.c.CronoEnabled);
    EXPECT_EQ(r.shown() + "." + r.c.lblCent, "0:0.0");
}

TEST(Chronometer, SecondsWaitForTheHundredthsToWrapAndMinutesFollowAt60) {
    Running r;
    r.tickTo(0.96);
    EXPECT_EQ(r.shown() + "." + r.c.lblCent, "0:0.95");
    r.tickTo(1.06);
    EXPECT_EQ(r.shown(), "0:1");
    r.tickTo(59.96);
    EXPECT_EQ(r.shown(), "0:59");
    r.tickTo(60.06);
    EXPECT_EQ(r.shown(), "1:0");
    r.tickTo(125.56);
    EXPECT_EQ(r.shown(), "2:5");
}

TEST(Chronometer, StartsAgainFromZeroAfterAnHour) {
    Running r;
    r.tickTo(3599.96);
    EXPECT_EQ(r.shown(), "59:59");
    r.tickTo(3600.06);
    EXPECT_EQ(r.shown(), "0:0");
    EXPECT_NEAR(r.c.CronoInici, kStart + 3600.05, 1e-6);
    r.tickTo(3601.56);
    EXPECT_EQ(r.shown(), "0:1");
}

} // namespace
} // namespace tarvon

#include "window/collision_text.h"

#include <gtest/gtest.h>

namespace tarvon {
namespace {

TEST(CollisionText, PairsOrSurfaceArrivalsWithTheShareThatReacted) {
    EXPECT_EQ(CollisionText({CollisionKind::Molecules, 1250, 50}, ',', Catala()),
              "Des que ha començat l'experiment: xocs: 1250; efectius: 50 (4,0 %)");
    EXPECT_EQ(CollisionText({CollisionKind::Surface, 8, 1}, '.', Catala()),
              "Des que ha començat l'experiment: arribades d'O2 a la superfície del ferro: 8; "
              "oxidacions: 1 (12.5 %)");
    // Before the first collision there is no share to give.
    EXPECT_EQ(CollisionText({CollisionKind::Molecules, 0, 0}, ',', Catala()),
              "Des que ha començat l'experiment: xocs: 0; efectius: 0 (-)");
    EXPECT_EQ(CollisionText({CollisionKind::None, 0, 0}, ',', Catala()), "");
}

} // namespace
} // namespace tarvon

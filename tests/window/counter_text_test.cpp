#include "window/counter_text.h"
#include "reactions/feo/feo.h"
#include "reactions/hgo/hgo.h"
#include "reactions/hi/hi.h"
#include "reactions/nh3/nh3.h"

#include <gtest/gtest.h>

#include <array>

namespace tarvon {
namespace {

std::vector<std::string> Boxes(const SimulationState& s) {
    std::vector<std::string> out;
    for (const Counter& c : Comptadors(s))
        out.push_back(CounterText(c, Catala()));
    return out;
}

TEST(CounterBoxes, EachReactionShowsItsCountersWithTheirCaptions) {
    SimulationState s;
    s.NombreMol = 40;
    s.NumA = 80;
    s.nO2 = 37, s.nFeO = 6, s.nN2 = 10, s.nH2 = 30, s.nNH3 = 0, s.nHI = 9, s.nI2 = 5, s.nHg = 6;
    using V = std::vector<std::string>;
    UseReaction(s, &kFeO);
    EXPECT_EQ(Boxes(s), (V{"Molèc. oxigen inicials: 40", "Molèc. oxigen presents: 37",
                           "Òxid ferrós(FeO) format: 6"}));
    UseReaction(s, &kNH3);
    EXPECT_EQ(Boxes(s), (V{"Molècules presents: 40", "Molècules NH3: 0", "Molècules N2: 10",
                           "Molècules H2: 30"}));
    UseReaction(s, &kHI);
    EXPECT_EQ(Boxes(s), (V{"Molècules presents: 40", "Molècules HI: 9", "Molècules hidrogen: 30",
                           "Molècules iode: 5"}));
    UseReaction(s, &kHgO);
    EXPECT_EQ(Boxes(s), (V{"Òxid mercúric(HgO) inicial: 80", "Òxid mercúric(HgO) present: 74",
                           "Molècules oxígen (gas): 37", "Àtoms mercuri (gas): 6"}));
    UseReaction(s, nullptr);
    EXPECT_TRUE(Boxes(s).empty());
    // The blank is the sign's place.
    EXPECT_EQ(CounterText({TX("reactions", "Òxid mercúric(HgO) present:"), -2}, Catala()),
              "Òxid mercúric(HgO) present:-2");
}

} // namespace
} // namespace tarvon

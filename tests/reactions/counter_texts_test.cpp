#include "reactions/counter_texts.h"

#include <gtest/gtest.h>

#include <array>

namespace tarvon {
namespace {

TEST(CounterTexts, EachReactionFillsItsBoxesAndFeOLeavesTheFourth) {
    SimulationState s;
    s.NombreMol = 40;
    s.NumA = 80;
    s.nO2 = 37, s.nFeO = 6, s.nN2 = 10, s.nH2 = 30, s.nNH3 = 0, s.nHI = 9, s.nI2 = 5, s.nHg = 6;
    const std::array<const char*, 5> cases[] = {
        {"FeO", "Molèc. oxigen inicials: 40", "Molèc. oxigen presents: 37",
         "Òxid ferrós(FeO) format: 6", "earlier"},
        {"NH3", "Molècules presents: 40", "Molècules NH3: 0", "Molècules N2: 10",
         "Molècules H2: 30"},
        {"HI", "Molècules presents: 40", "Molècules HI: 9", "Molècules hidrogen: 30",
         "Molècules iode: 5"},
        {"HgO", "Òxid mercúric(HgO) inicial: 80", "Òxid mercúric(HgO) present: 74",
         "Molècules oxígen (gas): 37", "Àtoms mercuri (gas): 6"}};
    for (const auto& c : cases) {
        s.Reaccio = c[0];
        s.txt[3] = "earlier";
        EscriuComptadors(s);
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(s.txt[k], c[k + 1]) << c[0];
    }
}

} // namespace
} // namespace tarvon

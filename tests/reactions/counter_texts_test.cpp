#include "reactions/counter_texts.h"

#include <gtest/gtest.h>

namespace tarvon {
namespace {

TEST(CounterTexts, CaptionThenValueInItsSignPosition) {
    EXPECT_EQ(CounterText("Molècules HI:", 48), "Molècules HI: 48");
    EXPECT_EQ(CounterText("Molècules HI:", -3), "Molècules HI:-3");
}

TEST(CounterTexts, EachReactionFillsItsBoxesAndFeOLeavesTheFourth) {
    SimulationState s;
    s.txt[3] = "earlier";
    s.Reaccio = "FeO";
    s.NombreMol = 40;
    s.nO2 = 37;
    s.nFeO = 6;
    EscriuComptadors(s);
    EXPECT_EQ(s.txt[0], "Molèc. oxigen inicials: 40");
    EXPECT_EQ(s.txt[1], "Molèc. oxigen presents: 37");
    EXPECT_EQ(s.txt[2], "Òxid ferrós(FeO) format: 6");
    EXPECT_EQ(s.txt[3], "earlier");

    s.Reaccio = "NH3";
    s.nN2 = 10;
    s.nH2 = 30;
    s.nNH3 = 4;
    EscriuComptadors(s);
    EXPECT_EQ(s.txt[0], "Molècules presents: 44");
    EXPECT_EQ(s.txt[3], "Molècules H2: 30");

    s.Reaccio = "HgO";
    s.NumA = 80;
    s.nHg = 6;
    s.nO2 = 3;
    EscriuComptadors(s);
    EXPECT_EQ(s.txt[0], "Òxid mercúric(HgO) inicial: 80");
    EXPECT_EQ(s.txt[1], "Òxid mercúric(HgO) present: 74");
    EXPECT_EQ(s.txt[3], "Àtoms mercuri (gas): 6");
}

} // namespace
} // namespace tarvon

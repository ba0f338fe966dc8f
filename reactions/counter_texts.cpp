#include "reactions/counter_texts.h"

#include "engine/reaction_key.h"

namespace tarvon {

std::string CounterText(const std::string& caption, int value) {
    return caption + (value < 0 ? "" : " ") + std::to_string(value);
}

void EscriuComptadors(SimulationState& s) {
    auto& t = s.txt;
    switch (reactionFromKey(s.Reaccio)) {
    case Reaction::FeO:
        t[0] = CounterText("Molèc. oxigen inicials:", s.NombreMol);
        t[1] = CounterText("Molèc. oxigen presents:", s.nO2);
        t[2] = CounterText("Òxid ferrós(FeO) format:", s.nFeO);
        break;
    case Reaction::NH3:
        t[0] = CounterText("Molècules presents:", s.nN2 + s.nNH3 + s.nH2);
        t[1] = CounterText("Molècules NH3:", s.nNH3);
        t[2] = CounterText("Molècules N2:", s.nN2);
        t[3] = CounterText("Molècules H2:", s.nH2);
        break;
    case Reaction::HI:
        t[0] = CounterText("Molècules presents:", s.NombreMol);
        t[1] = CounterText("Molècules HI:", s.nHI);
        t[2] = CounterText("Molècules hidrogen:", s.nH2);
        t[3] = CounterText("Molècules iode:", s.nI2);
        break;
    case Reaction::HgO:
        t[0] = CounterText("Òxid mercúric(HgO) inicial:", s.NumA);
        t[1] = CounterText("Òxid mercúric(HgO) present:", s.NumA - s.nHg);
        t[2] = CounterText("Molècules oxígen (gas):", s.nO2);
        t[3] = CounterText("Àtoms mercuri (gas):", s.nHg);
        break;
    case Reaction::None:
        break;
    }
}

} // namespace tarvon

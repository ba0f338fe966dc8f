#include "mainwindow/counter_captions.h"

namespace tarvon {

const char* CounterCaption(CounterId id) {
    switch (id) {
    case CounterId::OxigenInicial:
        return "Molèc. oxigen inicials:";
    case CounterId::OxigenPresent:
        return "Molèc. oxigen presents:";
    case CounterId::FeOFormat:
        return "Òxid ferrós(FeO) format:";
    case CounterId::MoleculesPresents:
        return "Molècules presents:";
    case CounterId::NH3:
        return "Molècules NH3:";
    case CounterId::N2:
        return "Molècules N2:";
    case CounterId::H2:
        return "Molècules H2:";
    case CounterId::HI:
        return "Molècules HI:";
    case CounterId::Hidrogen:
        return "Molècules hidrogen:";
    case CounterId::Iode:
        return "Molècules iode:";
    case CounterId::HgOInicial:
        return "Òxid mercúric(HgO) inicial:";
    case CounterId::HgOPresent:
        return "Òxid mercúric(HgO) present:";
    case CounterId::OxigenGas:
        return "Molècules oxígen (gas):";
    case CounterId::MercuriGas:
        return "Àtoms mercuri (gas):";
    }
    return "";
}

std::string CounterText(const Counter& c) {
    return CounterCaption(c.id) + std::string(c.value < 0 ? "" : " ") + std::to_string(c.value);
}

} // namespace tarvon

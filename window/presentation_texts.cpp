#include "window/presentation_texts.h"

namespace tarvon {

namespace {

constexpr TextKey kLines[7] = {
    TX("window", "Hi ha dues teories per interpretar el desenvolupament d'una "
                 "reacció química:"),
    TX("window", "Teoria de les col.lisions: la reacció es produeix com resultat dels"
                 " xocs entre partícules, quan es compleixen les següents condicions:"),
    TX("window", "- les partícules que xoquen tenen energia cinètica suficient per pro"
                 "vocar un reordenament dels enllaços i "),
    TX("window", "- xoquen amb l'orientació adequada."),
    TX("window", "Teoria del complex activat: la reacció es produeix quan les substànc"
                 "ies presents (reactius) han adquirit suficient energia (energia d'activaci"
                 "ó ), a través dels xocs o d'aportacions externes d'energia calorífica, llum"
                 "inosa, elèctrica, etc. Aleshores es dona lloc a un estat de transició d'al"
                 "ta energia (complex activat ) en el que ja s'han alterat els enllaços inici"
                 "als, que es transforma ràpidament en els productes de la reacció."),
    TX("window", "La cinètica química estudia la rapidesa amb la que es produeix una "
                 "reacció i la forma com es desenvolupa."),
    TX("window", "La rapidesa es pot conéixer determinant les concentracions dels "
                 "reactius i productes que hi intervenen, en funció del temps."),
};

} // namespace

std::array<std::string, 7> PresentationCaptions(const Language& lang) {
    std::array<std::string, 7> t;
    for (std::size_t i = 0; i < t.size(); ++i)
        t[i] = lang(kLines[i]);
    return t;
}

} // namespace tarvon

#include "window/presentation_texts.h"

namespace tarvon {

namespace {

std::array<std::string, 7> buildCaptions() {
    std::array<std::string, 7> t;
    t[5] = std::string("La cinètica química estudia la rapidesa amb la que es produeix una ") +
           "reacció i la forma com es desenvolupa.";
    t[6] = std::string("La rapidesa es pot conéixer determinant les concentracions dels ") +
           "reactius i productes que hi intervenen, en funció del temps.";
    t[0] = std::string("Hi ha dues teories per interpretar el desenvolupament d'una ") +
           "reacció química:";
    t[1] = std::string("Teoria de les col.lisions: la reacció es produeix com resultat dels") +
           " xocs entre partícules, quan es compleixen les següents condicions:";
    t[2] = std::string("- les partícules que xoquen tenen energia cinètica suficient per pro") +
           "vocar un reordenament dels enllaços i ";
    t[3] = "- xoquen amb l'orientació adequada.";
    t[4] = std::string("Teoria del complex activat: la reacció es produeix quan les substànc") +
           "ies presents (reactius) han adquirit suficient energia (energia d'activaci" +
           "ó ), a través dels xocs o d'aportacions externes d'energia calorífica, llum" +
           "inosa, elèctrica, etc. Aleshores es dona lloc a un estat de transició d'al" +
           "ta energia (complex activat ) en el que ja s'han alterat els enllaços inici" +
           "als, que es transforma ràpidament en els productes de la reacció.";
    return t;
}

} // namespace

const std::array<std::string, 7>& PresentationCaptions() {
    static const std::array<std::string, 7> captions = buildCaptions();
    return captions;
}

} // namespace tarvon

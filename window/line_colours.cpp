#include "window/line_colours.h"

#include "reactions/atom_colours.h"

namespace tarvon {

namespace {

constexpr Rgb kTwoKindsOfAtom{130, 0, 170};

} // namespace

Rgb SpeciesColour(std::string_view column) {
    if (column == "O2")
        return ColorsEspecie(5);
    if (column == "H2")
        return ColorsEspecie(1); // hydrogen is the kind-B gas atom
    if (column == "I2" || column == "N2")
        return ColorsEspecie(4); // iodine and nitrogen are kind A
    if (column == "Hg")
        return kIronBorder; // the metal's grey, dark enough to read as a line
    return kTwoKindsOfAtom;
}

} // namespace tarvon

#pragma once

#include "engine/legend.h"
#include "reactions/reaction_pictures.h"

#include <functional>
#include <vector>

namespace tarvon {

// What the legend depends on besides the reaction: the base diameter D0, the
// radii of atom 0 of each kind, the screen factor and the box unit u
// (ConstCaixa).
struct LegendInput {
    float D0 = 0;
    float rA = 0, rB = 0;
    float FactorPantalla = 1.0f;
    float u = 10.0f;
};

// How a reaction lays out the circles and pictures of its species.
using LegendLayout = void (*)(Legend&, const LegendInput&);

// The legend of a reaction laid out by `layout`; nothing for no reaction
// (a null layout).
Legend Llegenda(LegendLayout layout, const LegendInput& in);

// Two kinds of gas atom: circles of their diameters and their symbols.
void GasLegend(Legend& l, const LegendInput& in, const PictureData& atomA,
               const PictureData& atomB);

// An ionic oxide: metal atom, metal ion with its charge, oxygen atom, oxide
// ion with its charge. The metal's diameters are in base diameters.
void OxideLegend(Legend& l, const LegendInput& in, float metal, float ion,
                 const PictureData& metalSymbol);

struct PicturePlace {
    int index = 0;
    float left = 0, top = 0;
};

// Positions of the legend's pictures, in the legend's order, given each
// picture's width in twips by its index.
std::vector<PicturePlace> PlacePictures(const Legend& legend, float u,
                                        const std::function<float(int index)>& widthOf);

} // namespace tarvon

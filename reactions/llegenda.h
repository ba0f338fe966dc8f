#pragma once

#include "engine/legend.h"
#include "engine/reaction_key.h"

#include <functional>
#include <vector>

namespace tarvon {

// What the legend depends on: the reaction, the base diameter D0, the radii of
// atom 0 of each kind, the screen factor and the box unit u (ConstCaixa).
struct LegendInput {
    Reaction reaction = Reaction::None;
    float D0 = 0;
    float rA = 0, rB = 0;
    float FactorPantalla = 1.0f;
    float u = 10.0f;
};

// The circles and pictures that show the species of the reaction; nothing for
// no reaction.
Legend Llegenda(const LegendInput& in);

struct PicturePlace {
    int index = 0;
    float left = 0, top = 0;
};

// Positions of the legend's pictures, in the legend's order, given each
// picture's width in twips by its index.
std::vector<PicturePlace> PlacePictures(const Legend& legend, float u,
                                        const std::function<float(int index)>& widthOf);

} // namespace tarvon

#pragma once

#include <string>

namespace tarvon {

// The help window's text: one section per menu, one entry per item, CR LF
// after every line.
std::string TextAjuda();

// Explanation lines are wrapped to this many characters after their indent.
inline constexpr int kAmpladaAjuda = 45;

// Where the help window and its text box go, in twips.
struct AjudaPlacement {
    float Left, Top, Width, Height; // the window, frame included
    float TextWidth, TextHeight;    // txtAjuda, at the window's top left
    float FontSize;                 // points
};

AjudaPlacement PlacementAjuda(float FactorPantalla);

} // namespace tarvon

#pragma once

#include "texts/language.h"

#include <string>

namespace tarvon {

// The help window's text in a language: one section per menu, one entry per
// item, CR LF after every line, laid out the same in every language.
std::string TextAjuda(const Language& lang);

// Explanation lines are wrapped to this many characters after their indent.
inline constexpr int kAmpladaAjuda = 45;

// Where the help window and its text box go, in twips.
struct AjudaPlacement {
    float Left, Top, Width, Height; // the window, frame included
    float TextWidth, TextHeight;    // txtAjuda, at the window's top left
    float FontSize;                 // points
};

AjudaPlacement PlacementAjuda(float FactorPantalla);

// The placement moved, and cut shorter or narrower where it must, to lie
// within a screen area of the given size, twips; the text box keeps its
// margins to the window.
AjudaPlacement FitAjuda(AjudaPlacement p, float screenWidth, float screenHeight);

} // namespace tarvon

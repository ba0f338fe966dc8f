#pragma once

#include "texts/text_key.h"

#include <span>
#include <string>

namespace tarvon {

// How the build paints a picture of the data folder from its text.
enum class PictureKind {
    ReactionKind, // a heading: "Reacció de síntesi"
    Equation,     // a balanced equation, formulas with their digits lowered
    Element,      // an element's symbol in the legend
    Charge,       // an ion's charge, raised beside its symbol in the legend
};

// One picture of the data folder and the text it shows.
struct PictureData {
    const char* file;
    PictureKind kind;
    const char* text; // UTF-8
};

// The pictures of a reaction over the box, and those only it shows.
struct ReactionPictures {
    const PictureData* heading;
    const PictureData* equation;
    std::span<const PictureData> own; // its equation and its legend's own symbols
};

// The headings' words, in the catalogue for a picture painted in another
// language.
inline constexpr TextKey kSynthesisText = TX("reactions", "Reacció de síntesi");
inline constexpr TextKey kDecompositionText = TX("reactions", "Reacció de descomposició");

// Pictures more than one reaction shows.
inline constexpr PictureData kSynthesisPicture{"RT_Sinte.bmp", PictureKind::ReactionKind,
                                               kSynthesisText.source};
inline constexpr PictureData kDecompositionPicture{"RT_Descom.bmp", PictureKind::ReactionKind,
                                                   kDecompositionText.source};
inline constexpr PictureData kHydrogenPicture{"RI_30.bmp", PictureKind::Element, "H"};
inline constexpr PictureData kOxygenPicture{"RI_69.bmp", PictureKind::Element, "O"};
inline constexpr PictureData kDoublePositivePicture{"RI_09.bmp", PictureKind::Charge, "2+"};
inline constexpr PictureData kDoubleNegativePicture{"RI_12.bmp", PictureKind::Charge, "2−"};

// The shared pictures above, for the build to paint.
std::span<const PictureData> SharedReactionPictures();

// Where the window loads a data-folder picture from: "Arxius_orvalis/RT_HI.bmp".
std::string PicturePath(const char* file);

} // namespace tarvon

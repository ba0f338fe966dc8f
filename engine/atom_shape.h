#pragma once

#include "engine/rgb.h"

namespace tarvon {

enum class ShapeForm { Circle, Rectangle };

// Species marks an atom shape carries in its tag, compared by the reactions.
inline constexpr char kTagKindA = '1';
inline constexpr char kTagKindB = '2';
inline constexpr char kTagOxidisedIron = '3'; // set once, never undone
inline constexpr char kTagUnused = '0';       // kinds C and D, no reaction uses them

// One drawn shape of the box: geometry in twips, colours, tag and visibility.
// The stacking key orders it among all shapes of the box (higher is in front).
struct AtomShape {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    Rgb fill{255, 255, 255};
    bool filled = true; // false: transparent inside
    Rgb border{0, 0, 0};
    int borderWidth = 1;
    char tag = 0; // the species mark, one of the kTag values
    bool visible = false;
    ShapeForm form = ShapeForm::Circle;
    long long stackKey = 0;
    // Not moved by the animation step (a lattice site, an iron cell); set
    // through ShapeArray::setStill so the box's still revision follows it.
    bool still = false;
};

} // namespace tarvon

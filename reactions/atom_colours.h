#pragma once

#include "engine/rgb.h"

#include <array>

namespace tarvon {

// ColorsEspecie, numbered 1 to 6 as the catalogue names them.
inline constexpr std::array<Rgb, 6> kColorsEspecie{{
    {255, 100, 0},   // 1: kind-B gas atoms, mercury and iron ions
    {255, 130, 255}, // 2
    {255, 0, 0},     // 3
    {0, 190, 255},   // 4: kind-A gas atoms, oxide ions
    {0, 60, 255},    // 5: oxygen of O2 in "FeO" and "HgO"
    {0, 0, 255},     // 6: the normal border of every gas atom and ion
}};

constexpr Rgb ColorsEspecie(int k) {
    return kColorsEspecie.at(static_cast<std::size_t>(k - 1));
}

// Border of a particle the user marked.
inline constexpr Rgb ColorMarca{0, 255, 0};

// Iron (metal and mercury atoms) drawn in grey.
inline constexpr Rgb kMetalFill{200, 210, 220};
inline constexpr Rgb kIronBorder{90, 90, 90};

} // namespace tarvon

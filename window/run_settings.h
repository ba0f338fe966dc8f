#pragma once

#include "texts/language.h"

#include <ctime>
#include <string>

namespace tarvon {

// The settings a table was taken with, kept with its rows so that runs can be
// told apart and compared.
struct RunSettings {
    std::string Reaccio;        // the reaction's key; "" without one
    int particles = 0;          // NombreP
    float diameter = 1.0f;      // Diam over DiamBase: 1 for "1:1", 1.5 for "1,5:1"
    int speed = 50;             // the speed bar's value: the animation interval, ms
    bool VolumConstant = false; // the box of the largest particle number
    std::time_t started = 0;    // wall clock when the table began; 0 unknown
};

// "1:1", "1,5:1", "1,52:1": the diameter factor with up to two decimals.
std::string DiameterText(float factor, char decimalSeparator = ',');

// "144 partícules, 1:1, velocitat 50", with ", volum constant" when on.
std::string RunLabel(const RunSettings& r, const Language& lang);

// "07/12/2026 09:05" in local time; "" when unknown.
std::string StartedText(std::time_t started);

} // namespace tarvon

#pragma once

#include "texts/language.h"

#include <QImage>

namespace assets {

// Font sizes of one variant of the energy profile, in pixels.
struct ProfileFonts {
    int title;
    int label; // axes and the species' levels
    int note;  // the energies
};

// The main window's presentation picture: the energy profile of an exothermic reaction, with
// its activated complex at the top of the hump and the activation energy marked. The drawing
// scales with the image; the fonts are given per variant so that they stay readable.
void paintEnergyProfilePicture(QImage& image, const ProfileFonts& fonts,
                               const tarvon::Language& words);

} // namespace assets

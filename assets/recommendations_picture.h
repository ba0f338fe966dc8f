#pragma once

#include "assets/info_card.h"
#include "texts/language.h"

#include <QImage>

namespace assets {

// "Recomanacions d'ús": how to use the model well in class.
void paintRecommendationsPicture(QImage& image, const CardFonts& fonts,
                                 const tarvon::Language& words);

} // namespace assets

#pragma once

#include "assets/info_card.h"

#include <QImage>

namespace assets {

// "Recomanacions d'ús": how to use the model well in class.
void paintRecommendationsPicture(QImage& image, const CardFonts& fonts);

} // namespace assets

#pragma once

#include "assets/info_card.h"
#include "texts/language.h"

#include <QImage>

namespace assets {

// "Sobre aquest treball": what the model is and what it is for.
void paintAboutPicture(QImage& image, const CardFonts& fonts, const tarvon::Language& words);

} // namespace assets

#pragma once

#include "assets/picture_recipe.h"

#include <QStringList>

#include <vector>

namespace assets {

// Paints one picture at its size; throws TextOverflow when a text of it would be clipped.
// With a scale, the image has that many device pixels for each pixel of the picture and
// says so in its device pixel ratio: painted afresh, sharp, not a scaled copy.
QImage renderPicture(const PictureRecipe& recipe, double scale = 1);

// Paints every picture and writes it into `folder`. Returns one message per picture that
// could not be painted or written; empty when all were.
QStringList writePictures(const std::vector<PictureRecipe>& pictures, const QString& folder);

// Paints every picture and writes none: one message per picture whose text would be clipped.
QStringList checkPictures(const std::vector<PictureRecipe>& pictures);

} // namespace assets

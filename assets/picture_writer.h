#pragma once

#include "assets/picture_recipe.h"

#include <QStringList>

#include <vector>

namespace assets {

// Paints one picture at its size; throws TextOverflow when a text of it would be clipped.
QImage renderPicture(const PictureRecipe& recipe);

// Paints every picture and writes it into `folder`. Returns one message per picture that
// could not be painted or written; empty when all were.
QStringList writePictures(const std::vector<PictureRecipe>& pictures, const QString& folder);

} // namespace assets

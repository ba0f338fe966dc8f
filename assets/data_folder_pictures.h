#pragma once

#include "assets/picture_recipe.h"

#include <vector>

namespace assets {

// Every picture the build writes into the data folder. A new picture is one more entry here
// (and its file name in assets/CMakeLists.txt).
const std::vector<PictureRecipe>& dataFolderPictures();

} // namespace assets

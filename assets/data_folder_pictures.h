#pragma once

#include "assets/picture_recipe.h"

#include <vector>

namespace assets {

// Every picture the build writes into the data folder: the launcher's, the presentation's and
// the registered reactions' (their shared ones and each one's own). A new picture is one more
// entry here or in its reaction's folder, and its file name in the CMakeLists.txt beside it.
const std::vector<PictureRecipe>& dataFolderPictures();

} // namespace assets

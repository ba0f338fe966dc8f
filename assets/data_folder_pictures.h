#pragma once

#include "assets/picture_recipe.h"
#include "texts/language.h"

#include <vector>

namespace assets {

// Every picture the build writes into the data folder: the launcher's, the presentation's and
// the registered reactions' (their shared ones and each one's own). A new picture is one more
// entry here or in its reaction's folder, and its file name in the CMakeLists.txt beside it.
// These are the Catalan ones, the files' own.
const std::vector<PictureRecipe>& dataFolderPictures();

// The same pictures with their words in another language; `words` must outlive the recipes.
// A picture sized to its words (a reaction kind's heading) is sized to these.
std::vector<PictureRecipe> dataFolderPictures(const tarvon::Language& words);

} // namespace assets

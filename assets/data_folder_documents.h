#pragma once

#include "assets/document_recipe.h"

#include <vector>

namespace assets {

// Every teaching document the build writes into the data folder. A new document is one more
// entry here, its source in assets/documents (and es/, en/) and its file name in
// assets/CMakeLists.txt.
const std::vector<DocumentRecipe>& dataFolderDocuments();

} // namespace assets

#pragma once
// The data folder's picture recipes, looked up by file name.

#include "assets/data_folder_pictures.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace assets::test {

inline const PictureRecipe& recipe(const std::string& name) {
    const auto& pictures = dataFolderPictures();
    const auto found = std::find_if(pictures.begin(), pictures.end(), [&](const PictureRecipe& p) {
        return p.fileName.toStdString() == name;
    });
    if (found == pictures.end())
        throw std::runtime_error("no picture " + name);
    return *found;
}

} // namespace assets::test

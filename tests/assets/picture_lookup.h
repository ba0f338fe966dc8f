#pragma once
// The data folder's picture recipes, looked up by file name.

#include "assets/catalogue_words.h"
#include "assets/data_folder_pictures.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace assets::test {

inline const PictureRecipe& recipe(const std::vector<PictureRecipe>& pictures,
                                   const std::string& name) {
    const auto found = std::find_if(pictures.begin(), pictures.end(), [&](const PictureRecipe& p) {
        return p.fileName.toStdString() == name;
    });
    if (found == pictures.end())
        throw std::runtime_error("no picture " + name);
    return *found;
}

inline const PictureRecipe& recipe(const std::string& name) {
    return recipe(dataFolderPictures(), name);
}

// The words of the built-in catalogue of `code` ("es", "en").
inline const CatalogueWords& builtInWords(const char* code) {
    static CatalogueWords es, en;
    static const bool loaded = es.load(":/i18n/assets_es.qm") && en.load(":/i18n/assets_en.qm");
    if (!loaded)
        throw std::runtime_error("the built-in catalogues cannot be read");
    return std::string(code) == "es" ? es : en;
}

} // namespace assets::test

#include "datapictures/data_pictures.h"

#include "assets/data_folder_pictures.h"
#include "assets/picture_writer.h"
#include "assets/text_overflow.h"
#include "datapictures/picture_scale.h"
#include "qtcommon/qt_language.h"
#include "startup/data_folder.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace tarvon {

namespace {

std::string inFolder(const std::string& name) {
    const std::string prefix = std::string(kDataFolderName) + "/";
    return name.rfind(prefix, 0) == 0 ? name.substr(prefix.size()) : name;
}

std::optional<assets::PictureRecipe> find(const std::vector<assets::PictureRecipe>& pictures,
                                          const std::string& file) {
    const QString wanted = QString::fromStdString(file);
    const auto found = std::find_if(pictures.begin(), pictures.end(),
                                    [&](const auto& p) { return p.fileName == wanted; });
    if (found == pictures.end())
        return std::nullopt;
    return *found;
}

// Painted in the language shown: the Catalan recipe unless it has words to translate.
std::optional<assets::PictureRecipe> recipeOf(const std::string& file, Idioma idioma) {
    std::optional<assets::PictureRecipe> recipe = find(assets::dataFolderPictures(), file);
    if (recipe && recipe->hasWords && idioma != Idioma::Catala)
        recipe = find(assets::dataFolderPictures(Traduit()), file);
    return recipe;
}

} // namespace

QString DataPictures::pathOf(const std::string& name) const {
    return QString::fromStdString((folder_ / inFolder(name)).string());
}

QPixmap DataPictures::load(const std::string& name) const {
    QPixmap picture;
    if (!name.empty())
        picture.load(pathOf(name)); // stays null when the file is missing or damaged
    return picture;
}

QPixmap DataPictures::shown(const std::string& name, double factor, double devicePixelRatio) const {
    return painted(name, PictureScale(inFolder(name), factor), devicePixelRatio);
}

QPixmap DataPictures::covering(const std::string& name, QSize area, double devicePixelRatio) const {
    const std::optional<assets::PictureRecipe> recipe = recipeOf(inFolder(name), idioma_);
    const QSize own = recipe ? recipe->size : load(name).size();
    if (own.isEmpty())
        return load(name);
    const double scale =
        std::max({1.0, double(area.width()) / own.width(), double(area.height()) / own.height()});
    return painted(name, scale, devicePixelRatio);
}

QPixmap DataPictures::painted(const std::string& name, double scale,
                              double devicePixelRatio) const {
    if (name.empty())
        return load(name);
    const double pixels = scale * devicePixelRatio;
    const std::optional<assets::PictureRecipe> recipe = recipeOf(inFolder(name), idioma_);
    const bool fileFits = std::abs(pixels - 1) < 1e-6;
    // The file is Catalan: its words are right only in Catalan.
    if (!recipe || (fileFits && (idioma_ == Idioma::Catala || !recipe->hasWords)))
        return load(name);
    QImage image;
    try {
        image = assets::renderPicture(*recipe, pixels);
    } catch (const assets::TextOverflow&) {
        return load(name); // this machine's fonts do not fit it: the file as made
    }
    image.setDevicePixelRatio(devicePixelRatio);
    return QPixmap::fromImage(image);
}

} // namespace tarvon

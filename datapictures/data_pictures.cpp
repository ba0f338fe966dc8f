#include "datapictures/data_pictures.h"

#include "assets/data_folder_pictures.h"
#include "assets/picture_writer.h"
#include "assets/text_overflow.h"
#include "datapictures/picture_scale.h"
#include "startup/data_folder.h"

#include <algorithm>
#include <cmath>

namespace tarvon {

namespace {

std::string inFolder(const std::string& name) {
    const std::string prefix = std::string(kDataFolderName) + "/";
    return name.rfind(prefix, 0) == 0 ? name.substr(prefix.size()) : name;
}

const assets::PictureRecipe* recipeOf(const std::string& file) {
    const auto& pictures = assets::dataFolderPictures();
    const QString wanted = QString::fromStdString(file);
    const auto found = std::find_if(pictures.begin(), pictures.end(),
                                    [&](const auto& p) { return p.fileName == wanted; });
    return found != pictures.end() ? &*found : nullptr;
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
    const assets::PictureRecipe* recipe = recipeOf(inFolder(name));
    const QSize own = recipe != nullptr ? recipe->size : load(name).size();
    if (own.isEmpty())
        return load(name);
    const double scale =
        std::max({1.0, double(area.width()) / own.width(), double(area.height()) / own.height()});
    return painted(name, scale, devicePixelRatio);
}

QPixmap DataPictures::painted(const std::string& name, double scale,
                              double devicePixelRatio) const {
    const double pixels = scale * devicePixelRatio;
    if (name.empty() || std::abs(pixels - 1) < 1e-6)
        return load(name);
    const assets::PictureRecipe* recipe = recipeOf(inFolder(name));
    if (recipe == nullptr)
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

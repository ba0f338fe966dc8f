#include "mainwindow/data_pictures.h"

#include "startup/data_folder.h"

namespace tarvon {

QString DataPictures::pathOf(const std::string& name) const {
    const std::string prefix = std::string(kDataFolderName) + "/";
    const std::string inFolder = name.rfind(prefix, 0) == 0 ? name.substr(prefix.size()) : name;
    return QString::fromStdString((folder_ / inFolder).string());
}

QPixmap DataPictures::load(const std::string& name) const {
    QPixmap picture;
    if (!name.empty())
        picture.load(pathOf(name)); // stays null when the file is missing or damaged
    return picture;
}

} // namespace tarvon

#pragma once

#include <QPixmap>
#include <QString>

#include <filesystem>
#include <string>

namespace tarvon {

// The pictures of the data folder, named as the program names them
// ("Arxius_orvalis/RT_HI.bmp"). A missing or unreadable file gives an empty
// picture, so its control stays empty and the rest goes on.
class DataPictures {
public:
    explicit DataPictures(std::filesystem::path dataFolder) : folder_(std::move(dataFolder)) {}

    QString pathOf(const std::string& name) const;
    QPixmap load(const std::string& name) const;
    const std::filesystem::path& folder() const { return folder_; }

private:
    std::filesystem::path folder_;
};

} // namespace tarvon

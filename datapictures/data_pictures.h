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
    // The picture as shown at screen factor `factor` on a screen of
    // `devicePixelRatio`: its file where it is shown at the file's size on a
    // ratio-1 screen; otherwise painted afresh at the size shown, in device
    // pixels, by the code that paints the file. Never a file scaled up: a
    // picture the program cannot paint is shown at its file's size.
    QPixmap shown(const std::string& name, double factor, double devicePixelRatio) const;
    // A background picture as shown over `area` (device-independent pixels),
    // which it covers from the top-left corner keeping its proportions: its
    // file where that already covers the area on a ratio-1 screen, otherwise
    // painted afresh just large enough.
    QPixmap covering(const std::string& name, QSize area, double devicePixelRatio) const;
    const std::filesystem::path& folder() const { return folder_; }

private:
    // Painted `scale` times its file's size on a screen of `devicePixelRatio`.
    QPixmap painted(const std::string& name, double scale, double devicePixelRatio) const;

    std::filesystem::path folder_;
};

} // namespace tarvon

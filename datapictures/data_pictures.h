#pragma once

#include "texts/idioma.h"

#include <QPixmap>
#include <QString>

#include <filesystem>
#include <string>

namespace tarvon {

// The pictures of the data folder, named as the program names them
// ("Arxius_orvalis/RT_HI.bmp"). A missing or unreadable file gives an empty
// picture, so its control stays empty and the rest goes on.
// The files are Catalan: in another language a picture with words is always
// painted afresh, with the words of the catalogues the program installed.
class DataPictures {
public:
    // `idioma`: the language of the installed catalogues.
    explicit DataPictures(std::filesystem::path dataFolder, Idioma idioma = Idioma::Catala)
        : folder_(std::move(dataFolder)), idioma_(idioma) {}

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
    Idioma idioma_;
};

} // namespace tarvon

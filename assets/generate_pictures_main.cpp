// Writes the data folder's pictures; run by the build, not shipped.
//   generate_pictures FOLDER
#include "assets/data_folder_pictures.h"
#include "assets/fonts.h"
#include "assets/picture_writer.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: generate_pictures FOLDER\n");
        return 2;
    }
    const QStringList missing = assets::missingFontFamilies();
    if (!missing.isEmpty()) {
        std::fprintf(stderr, "generate_pictures: missing fonts: %s\n",
                     qPrintable(missing.join(", ")));
        return 1;
    }
    const QStringList errors =
        assets::writePictures(assets::dataFolderPictures(), QString::fromLocal8Bit(argv[1]));
    for (const QString& error : errors)
        std::fprintf(stderr, "generate_pictures: %s\n", qPrintable(error));
    return errors.isEmpty() ? 0 : 1;
}

// Writes the data folder's pictures; run by the build, not shipped.
//   generate_pictures FOLDER [NAME...]
// With names (the build's list of what it expects), a picture painted but not
// listed, or listed but not painted, stops the build: the list is what tells
// the build to paint again. The files are Catalan; the pictures are also
// painted with each built-in catalogue's words, and a text that would be cut
// in any language stops the build.
#include "assets/catalogue_words.h"
#include "assets/data_folder_pictures.h"
#include "assets/fonts.h"
#include "assets/picture_writer.h"

#include <QGuiApplication>
#include <QSet>

#include <cstdio>

namespace {

// The names on one side only, "" when the two agree.
QString listedDifference(const QSet<QString>& painted, const QSet<QString>& listed) {
    QSet<QString> unlisted = painted, unpainted = listed;
    unlisted.subtract(listed);
    unpainted.subtract(painted);
    QStringList out;
    for (const QString& name : unlisted)
        out << "painted but not listed: " + name;
    for (const QString& name : unpainted)
        out << "listed but not painted: " + name;
    out.sort();
    return out.join("; ");
}

// The pictures in each translated language, painted and not written.
QStringList checkTranslatedPictures() {
    QStringList errors;
    for (const char* code : {"es", "en"}) {
        const QString catalogue = QStringLiteral(":/i18n/assets_%1.qm").arg(code);
        assets::CatalogueWords words;
        if (!words.load(catalogue)) {
            errors << "cannot read " + catalogue;
            continue;
        }
        for (const QString& error : assets::checkPictures(assets::dataFolderPictures(words)))
            errors << QStringLiteral("%1: %2").arg(code, error);
    }
    return errors;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: generate_pictures FOLDER [NAME...]\n");
        return 2;
    }
    if (argc > 2) {
        QSet<QString> painted, listed;
        for (const assets::PictureRecipe& recipe : assets::dataFolderPictures())
            painted << recipe.fileName;
        for (int k = 2; k < argc; ++k)
            listed << QString::fromLocal8Bit(argv[k]);
        if (const QString difference = listedDifference(painted, listed); !difference.isEmpty()) {
            std::fprintf(stderr, "generate_pictures: %s\n", qPrintable(difference));
            return 1;
        }
    }
    const QStringList missing = assets::missingFontFamilies();
    if (!missing.isEmpty()) {
        std::fprintf(stderr, "generate_pictures: missing fonts: %s\n",
                     qPrintable(missing.join(", ")));
        return 1;
    }
    QStringList errors =
        assets::writePictures(assets::dataFolderPictures(), QString::fromLocal8Bit(argv[1]));
    errors << checkTranslatedPictures();
    for (const QString& error : errors)
        std::fprintf(stderr, "generate_pictures: %s\n", qPrintable(error));
    return errors.isEmpty() ? 0 : 1;
}

// Writes the data folder's teaching documents; run by the build, not shipped.
//   generate_documents SOURCE_FOLDER FOLDER
#include "assets/data_folder_documents.h"
#include "assets/document_error.h"
#include "assets/document_style.h"
#include "assets/document_writer.h"
#include "assets/fonts.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: generate_documents SOURCE_FOLDER FOLDER\n");
        return 2;
    }
    const QStringList missing = assets::missingFontFamilies({assets::kBodyFamily});
    if (!missing.isEmpty()) {
        std::fprintf(stderr, "generate_documents: missing fonts: %s\n",
                     qPrintable(missing.join(", ")));
        return 1;
    }
    QStringList errors;
    try {
        errors =
            assets::writeDocuments(assets::dataFolderDocuments(), QString::fromLocal8Bit(argv[1]),
                                   QString::fromLocal8Bit(argv[2]));
    } catch (const assets::DocumentError& e) { // a catalogue that cannot be read
        errors << QString::fromStdString(e.what());
    }
    for (const QString& error : errors)
        std::fprintf(stderr, "generate_documents: %s\n", qPrintable(error));
    return errors.isEmpty() ? 0 : 1;
}

#include "qtcommon/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace tarvon {

namespace {
const char* const kOwnCatalogues = ":/i18n";
}

Translations::Translations(Idioma idioma) {
    const QString code = CodiIdioma(idioma);
    // Catalan is the source: only Qt's own buttons need a catalogue.
    if (idioma != Idioma::Catala) {
        const QStringList own =
            QDir(kOwnCatalogues).entryList({"*_" + code + ".qm"}, QDir::Files, QDir::Name);
        for (const QString& file : own)
            install(file, kOwnCatalogues);
    }
    install("qtbase_" + code + ".qm", QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

Translations::~Translations() {
    for (auto& t : translators_)
        QCoreApplication::removeTranslator(t.get());
}

void Translations::install(const QString& file, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(file, folder) && QCoreApplication::installTranslator(translator.get()))
        translators_.push_back(std::move(translator));
}

} // namespace tarvon

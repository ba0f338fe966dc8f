#include "assets/document_editions.h"

#include "assets/catalogue_words.h"
#include "assets/document_error.h"

#include <map>

namespace assets {

namespace {

// The modules whose words a document quotes: menu captions and the figures' labels.
const char* const kModules[] = {"window", "reactions", "assets"};

const CatalogueWords& builtIn(const QString& code) {
    static std::map<QString, CatalogueWords> loaded;
    if (auto found = loaded.find(code); found != loaded.end())
        return found->second;
    CatalogueWords& words = loaded[code];
    for (const char* module : kModules) {
        const QString file = QStringLiteral(":/i18n/%1_%2.qm").arg(module, code);
        if (!words.load(file))
            throw DocumentError(("cannot read the catalogue " + file).toStdString());
    }
    return words;
}

} // namespace

const std::vector<DocumentEdition>& documentEditions() {
    // English writes numbers with the decimal point; Catalan and Spanish with the comma.
    static const std::vector<DocumentEdition> editions{
        {QString(), QStringLiteral("Catalan"), CatalanDocuments()},
        {QStringLiteral("es"), QStringLiteral("Spanish"), {&builtIn(QStringLiteral("es")), ','}},
        {QStringLiteral("en"), QStringLiteral("English"), {&builtIn(QStringLiteral("en")), '.'}},
    };
    return editions;
}

} // namespace assets

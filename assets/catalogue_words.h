#pragma once

#include "texts/language.h"

#include <QString>
#include <QTranslator>

namespace assets {

// The words of one compiled catalogue (.qm), read without installing it in the application,
// so the generator can paint each language in turn. A text it lacks stays Catalan.
class CatalogueWords final : public tarvon::Language {
public:
    // False when the file cannot be read as a catalogue.
    bool load(const QString& file);
    std::string text(const tarvon::TextKey& key) const override;

private:
    QTranslator translator_;
};

} // namespace assets

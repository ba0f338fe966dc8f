#pragma once

#include "texts/language.h"

#include <QString>
#include <QTranslator>

#include <memory>
#include <vector>

namespace assets {

// The words of compiled catalogues (.qm) of one language, read without installing them in the
// application, so the generators can paint and write each language in turn. A text none of
// them has stays Catalan.
class CatalogueWords final : public tarvon::Language {
public:
    // Adds one catalogue; false when the file cannot be read as one.
    bool load(const QString& file);
    std::string text(const tarvon::TextKey& key) const override;

private:
    std::vector<std::unique_ptr<QTranslator>> translators_;
};

} // namespace assets

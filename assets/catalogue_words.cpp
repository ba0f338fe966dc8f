#include "assets/catalogue_words.h"

namespace assets {

bool CatalogueWords::load(const QString& file) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file))
        return false;
    translators_.push_back(std::move(translator));
    return true;
}

std::string CatalogueWords::text(const tarvon::TextKey& key) const {
    for (const auto& translator : translators_) {
        const QString words = translator->translate(key.context, key.source);
        if (!words.isEmpty())
            return words.toStdString();
    }
    return key.source;
}

} // namespace assets

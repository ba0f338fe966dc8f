#include "assets/catalogue_words.h"

namespace assets {

bool CatalogueWords::load(const QString& file) {
    return translator_.load(file);
}

std::string CatalogueWords::text(const tarvon::TextKey& key) const {
    const QString words = translator_.translate(key.context, key.source);
    return words.isEmpty() ? std::string(key.source) : words.toStdString();
}

} // namespace assets

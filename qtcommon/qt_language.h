#pragma once

#include "texts/language.h"

#include <QString>

namespace tarvon {

// The words of a key in the language whose catalogues are installed.
class QtLanguage final : public Language {
public:
    std::string text(const TextKey& key) const override;
};

QString Tx(const TextKey& key);

// The one the windows pass to the core: it keeps no state.
const Language& Traduit();

} // namespace tarvon

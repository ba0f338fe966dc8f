#pragma once

#include "texts/language.h"

#include <string>

namespace tarvon::test {

// A language that marks every text it gives: a text that reaches the user
// without it was not translated. "~" is allowed in a sheet name.
class MarkedLanguage final : public Language {
public:
    std::string text(const TextKey& key) const override {
        std::string marked = "~";
        return marked += key.source;
    }
};

} // namespace tarvon::test

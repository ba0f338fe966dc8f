#include "texts/language.h"

namespace tarvon {

namespace {
class SourceLanguage final : public Language {
public:
    std::string text(const TextKey& key) const override { return key.source; }
};
} // namespace

const Language& Catala() {
    static const SourceLanguage catala;
    return catala;
}

} // namespace tarvon

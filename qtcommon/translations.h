#pragma once

#include "texts/idioma.h"

#include <QString>
#include <QTranslator>

#include <memory>
#include <vector>

namespace tarvon {

// The catalogues of one language, installed in the application: the
// programs' own (built in) and Qt's, for its dialogs' buttons.
class Translations {
public:
    explicit Translations(Idioma idioma);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // How many catalogues were installed; Qt's missing is not an error.
    int installed() const { return static_cast<int>(translators_.size()); }

private:
    void install(const QString& file, const QString& folder);
    std::vector<std::unique_ptr<QTranslator>> translators_;
};

} // namespace tarvon

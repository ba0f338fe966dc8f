#include "qtcommon/language_setting.h"

#include "qtcommon/settings_place.h"

#include <QLocale>
#include <QSettings>

namespace tarvon {

namespace {
const char* const kLanguageKey = "Idioma";
}

Idioma IdiomaActual() {
    const QString stored = QSettings(kOrganisation, kApplication).value(kLanguageKey).toString();
    return IdiomaTriat(stored.toStdString(), QLocale::system().name().toStdString());
}

void DesaIdioma(Idioma idioma) {
    QSettings(kOrganisation, kApplication).setValue(kLanguageKey, CodiIdioma(idioma));
}

} // namespace tarvon

#include "qtcommon/qt_language.h"

#include <QCoreApplication>

namespace tarvon {

std::string QtLanguage::text(const TextKey& key) const {
    return Tx(key).toStdString();
}

QString Tx(const TextKey& key) {
    return QCoreApplication::translate(key.context, key.source);
}

const Language& Traduit() {
    static const QtLanguage language;
    return language;
}

} // namespace tarvon

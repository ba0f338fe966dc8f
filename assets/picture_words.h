#pragma once

#include "texts/language.h"

#include <QString>

namespace assets {

// The words of a text a picture shows, in the language it is painted in.
inline QString say(const tarvon::Language& words, const tarvon::TextKey& key) {
    return QString::fromStdString(words(key));
}

} // namespace assets

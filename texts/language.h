#pragma once

#include "texts/text_key.h"

#include <string>

namespace tarvon {

// Gives the words of a text key in one language. The core composes what it
// shows through one; the Qt layer passes the translating one.
class Language {
public:
    virtual ~Language() = default;
    virtual std::string text(const TextKey& key) const = 0;
    std::string operator()(const TextKey& key) const { return text(key); }
};

// The source language: the Catalan text itself.
const Language& Catala();

} // namespace tarvon

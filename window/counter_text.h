#pragma once

#include "reactions/counters.h"
#include "texts/language.h"

#include <string>

namespace tarvon {

// A counter box's text: the caption in `lang`, then the value with its sign
// position (a blank for a value not below zero).
std::string CounterText(const Counter& c, const Language& lang);

} // namespace tarvon

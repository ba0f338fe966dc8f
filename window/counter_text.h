#pragma once

#include "reactions/counters.h"

#include <string>

namespace tarvon {

// A counter box's text: the caption, then the value with its sign position
// (a blank for a value not below zero).
std::string CounterText(const Counter& c);

} // namespace tarvon

#pragma once

#include <initializer_list>
#include <string>

namespace tarvon {

// The text with %1, %2, ... replaced by the values in order, as Qt's arg()
// fills a translated text: each language puts the values where its words need them.
std::string WithArgs(const std::string& text, std::initializer_list<std::string> values);

} // namespace tarvon

#pragma once

#include <string>
#include <vector>

namespace tarvon {

// Characters, not bytes: the texts are UTF-8.
int Characters(const std::string& s);

// Greedy word wrap at blanks; a word longer than the width gets a line of its
// own. Lines never start or end with a blank.
std::vector<std::string> WrapWords(const std::string& text, int width);

} // namespace tarvon

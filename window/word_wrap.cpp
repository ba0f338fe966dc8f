#include "window/word_wrap.h"

#include <sstream>

namespace tarvon {

int Characters(const std::string& s) {
    int n = 0;
    for (const unsigned char c : s)
        n += (c & 0xC0) != 0x80;
    return n;
}

std::vector<std::string> WrapWords(const std::string& text, int width) {
    std::vector<std::string> lines;
    std::istringstream words(text);
    std::string word, line;
    while (words >> word) {
        if (!line.empty() && Characters(line) + 1 + Characters(word) > width) {
            lines.push_back(line);
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

} // namespace tarvon

#include "window/text_args.h"

#include <vector>

namespace tarvon {

std::string WithArgs(const std::string& text, std::initializer_list<std::string> values) {
    const std::vector<std::string> v(values);
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const std::size_t n = static_cast<std::size_t>(next - '1');
        if (text[i] == '%' && next >= '1' && next <= '9' && n < v.size()) {
            out += v[n]; // a value is never scanned again
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace tarvon

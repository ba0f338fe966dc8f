#include "window/counter_text.h"

namespace tarvon {

std::string CounterText(const Counter& c, const Language& lang) {
    return lang(c.caption) + (c.value < 0 ? "" : " ") + std::to_string(c.value);
}

} // namespace tarvon

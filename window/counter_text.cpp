#include "window/counter_text.h"

namespace tarvon {

std::string CounterText(const Counter& c) {
    return c.caption + std::string(c.value < 0 ? "" : " ") + std::to_string(c.value);
}

} // namespace tarvon

#pragma once

#include <cmath>

namespace tarvon {

// The largest integer not above x.
inline int Int(double x) {
    return static_cast<int>(std::floor(x));
}

// The nearest integer, a half going to the even neighbour (default rounding mode).
inline int CInt(double x) {
    return static_cast<int>(std::nearbyint(x));
}

} // namespace tarvon

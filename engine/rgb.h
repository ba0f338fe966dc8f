#pragma once

namespace tarvon {

// Colour components 0 to 255.
struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The usual packing, red in the low byte.
constexpr long packRgb(const Rgb& c) {
    return c.r + 256L * c.g + 65536L * c.b;
}

} // namespace tarvon

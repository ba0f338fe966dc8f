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

constexpr Rgb unpackRgb(long packed) {
    return {static_cast<int>(packed & 0xFF), static_cast<int>((packed >> 8) & 0xFF),
            static_cast<int>((packed >> 16) & 0xFF)};
}

} // namespace tarvon

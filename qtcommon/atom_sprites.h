#pragma once

#include "engine/atom_shape.h"

#include <QImage>

#include <cstddef>
#include <cstdint>
#include <unordered_map>

class QPainter;

namespace tarvon {

// Circles drawn once per species, size and colour and then copied: drawing
// an anti-aliased ellipse costs far more than copying its pixels. Sizes and
// positions are taken to an eighth of a device pixel, each such offset a
// sprite of its own, so a copy differs from a circle drawn in place only
// within the anti-aliasing of its edge.
class AtomSprites {
public:
    // Draws the circle `s` with `device` painting in device pixels; `scale` is
    // device pixels per device-independent pixel.
    void draw(QPainter& device, const AtomShape& s, double scale, double minimumAtomDiameter);

    std::size_t size() const { return sprites_.size(); }
    qsizetype bytes() const { return bytes_; }

    static constexpr int kSteps = 8; // eighths of a pixel

private:
    struct Key {
        std::uint32_t fill, border;
        int borderWidth; // in 1/kSteps device pixels
        int width, height, dx, dy;
        bool filled;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& k) const;
    };

    const QImage& sprite(const Key& key);

    std::unordered_map<Key, QImage, KeyHash> sprites_;
    qsizetype bytes_ = 0;
};

} // namespace tarvon

#pragma once

#include "engine/atom_shape.h"

#include <QImage>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tarvon {

class AtomSprites;

// What the box shows behind everything that moves: its picture (back colour
// and cube) and the still shapes at the back of the drawing order, drawn once
// and kept until one of them, the picture or the drawing options change.
class StillLayer {
public:
    struct Inputs {
        const QImage& picture; // in device pixels
        std::uint64_t pictureRevision;
        std::uint64_t stillRevision;
        double scale; // device pixels per device-independent pixel
        double minimumAtomDiameter;
    };

    // Brings the layer up to date for `backToFront` and returns how many of
    // its first shapes the layer holds.
    std::size_t prepare(const Inputs& in, const std::vector<const AtomShape*>& backToFront,
                        AtomSprites& sprites);
    const QImage& image() const { return image_; }
    // How many times the layer has been drawn again.
    int rebuilds() const { return rebuilds_; }

private:
    bool holds(const Inputs& in, const std::vector<const AtomShape*>& backToFront) const;
    void rebuild(const Inputs& in, const std::vector<const AtomShape*>& backToFront,
                 AtomSprites& sprites);

    QImage image_;
    std::uint64_t pictureRevision_ = 0, stillRevision_ = 0;
    double scale_ = 0, minimum_ = 0;
    std::vector<const AtomShape*> drawn_; // the shapes in the image, back to front
    int rebuilds_ = 0;
};

} // namespace tarvon

#pragma once

#include "engine/atom_shape.h"

#include <QImage>
#include <QRectF>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tarvon {

class AtomSprites;

// What the box shows behind everything that moves: its picture (back colour
// and cube) and the still shapes that nothing drawn before them touches, drawn
// once and kept until one of them, the picture or the drawing options change.
// A shape drawn each frame may come before a held one in the stacking order
// as long as the two do not touch: then the order between them shows nowhere.
class StillLayer {
public:
    struct Inputs {
        const QImage& picture; // in device pixels
        std::uint64_t pictureRevision;
        std::uint64_t stillRevision;
        double scale; // device pixels per device-independent pixel
        double minimumAtomDiameter;
    };

    // Brings the layer up to date for the shapes `backToFront`.
    void prepare(const Inputs& in, const std::vector<const AtomShape*>& backToFront,
                 AtomSprites& sprites);
    const QImage& image() const { return image_; }
    // The shapes of `backToFront` the layer does not hold, back to front.
    std::vector<const AtomShape*> notHeld(const std::vector<const AtomShape*>& backToFront) const;

    std::size_t held() const { return held_.size(); }
    // How many times the layer has been drawn again.
    int rebuilds() const { return rebuilds_; }

private:
    struct Held {
        const AtomShape* shape;
        QRectF reach; // pixels it may colour
    };

    bool holds(const Inputs& in, const std::vector<const AtomShape*>& backToFront) const;
    bool touchesHeldAbove(const QRectF& reach, std::size_t firstAbove) const;
    void rebuild(const Inputs& in, const std::vector<const AtomShape*>& backToFront,
                 AtomSprites& sprites);
    QRectF reachOf(const AtomShape& s) const;

    QImage image_;
    std::uint64_t pictureRevision_ = 0, stillRevision_ = 0;
    double scale_ = 0, minimum_ = 0;
    std::vector<Held> held_;        // back to front
    std::vector<QRectF> reachFrom_; // reachFrom_[k]: all held_[k...] may colour
    int rebuilds_ = 0;
};

} // namespace tarvon

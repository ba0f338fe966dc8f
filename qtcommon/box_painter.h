#pragma once

#include "engine/caja_shapes.h"
#include "qtcommon/atom_sprites.h"
#include "qtcommon/still_layer.h"

#include <QImage>

#include <cstdint>

class QPainter;

namespace tarvon {

// Paints the box picture for the screen: the still layer (picture and still
// shapes, drawn once), then the shapes it does not hold in stacking order,
// circles from sprites. Same pixels as paintShapes over the picture, within the
// anti-aliasing of the circles' edges.
class BoxPainter {
public:
    // Atoms narrower than this many device-independent pixels are drawn that
    // wide about their centre; 0 draws them at their own size.
    void setMinimumAtomDiameter(double pixels) { minimumAtomDiameter_ = pixels; }
    double minimumAtomDiameter() const { return minimumAtomDiameter_; }

    // `device` paints in device pixels from the box's top-left corner; `scale`
    // is device pixels per device-independent pixel, and `picture` the box's
    // picture at that scale, its revision moving whenever it is drawn on.
    void paint(QPainter& device, const QImage& picture, std::uint64_t pictureRevision,
               const CajaShapes& shapes, double scale);

    const StillLayer& stillLayer() const { return still_; }
    const AtomSprites& sprites() const { return sprites_; }

private:
    double minimumAtomDiameter_ = 0;
    AtomSprites sprites_;
    StillLayer still_;
};

} // namespace tarvon

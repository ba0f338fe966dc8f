#include "qtcommon/box_painter.h"

#include "qtcommon/caja_painter.h"

#include <QPainter>

namespace tarvon {

void BoxPainter::paint(QPainter& device, const QImage& picture, std::uint64_t pictureRevision,
                       const CajaShapes& shapes, double scale) {
    const std::vector<const AtomShape*> order = shapes.paintOrder();
    const StillLayer::Inputs in{picture, pictureRevision, shapes.stillRevision.value(), scale,
                                minimumAtomDiameter_};
    still_.prepare(in, order, sprites_);
    device.drawImage(0, 0, still_.image());
    for (const AtomShape* shape : still_.notHeld(order)) {
        const AtomShape& s = *shape;
        if (s.form == ShapeForm::Circle) {
            sprites_.draw(device, s, scale, minimumAtomDiameter_);
            continue;
        }
        // The two strips of the front face: thin, few, drawn as they are.
        device.save();
        device.scale(scale, scale);
        device.setRenderHint(QPainter::Antialiasing, true);
        paintShape(device, s, minimumAtomDiameter_);
        device.restore();
    }
}

} // namespace tarvon

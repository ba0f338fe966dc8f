#include "qtcommon/shape_rect.h"

#include "qtcommon/twips.h"

#include <algorithm>

namespace tarvon {

QRectF shapeRect(const AtomShape& s, double minimumDiameter) {
    const QRectF r = twipsToPixelsF(s.left, s.top, s.width, s.height);
    if (s.form != ShapeForm::Circle ||
        (r.width() >= minimumDiameter && r.height() >= minimumDiameter))
        return r;
    const double w = std::max(r.width(), minimumDiameter);
    const double h = std::max(r.height(), minimumDiameter);
    const QPointF centre = r.center();
    return {centre.x() - w / 2, centre.y() - h / 2, w, h};
}

} // namespace tarvon

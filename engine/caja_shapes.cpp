#include "engine/caja_shapes.h"

namespace tarvon {

CajaShapes::CajaShapes() {
    shpCara.load(1); // the two front-face strips exist from the start
}

std::vector<const AtomShape*> CajaShapes::paintOrder() const {
    return PaintOrder({&AtomD, &AtomC, &AtomB, &AtomA, &Cercle, &shpCara});
}

} // namespace tarvon

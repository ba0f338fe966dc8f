#include "engine/caja_shapes.h"

#include <algorithm>

namespace tarvon {

CajaShapes::CajaShapes() {
    shpCara.load(1); // the two front-face strips exist from the start
}

std::vector<const AtomShape*> CajaShapes::paintOrder() const {
    std::vector<const AtomShape*> out;
    out.reserve(1024);
    for (const ShapeArray* array : {&AtomD, &AtomC, &AtomB, &AtomA, &Cercle, &shpCara})
        for (const AtomShape& s : array->all())
            if (s.visible)
                out.push_back(&s);
    std::sort(out.begin(), out.end(),
              [](const AtomShape* a, const AtomShape* b) { return a->stackKey < b->stackKey; });
    return out;
}

} // namespace tarvon

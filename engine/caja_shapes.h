#pragma once

#include "engine/shape_array.h"

#include <vector>

namespace tarvon {

// The shapes inside the box picture Caja, bottom to top at creation:
// AtomD, AtomC, AtomB, AtomA, Cercle, shpCara.
struct CajaShapes {
    CajaShapes();
    CajaShapes(const CajaShapes&) = delete;
    CajaShapes& operator=(const CajaShapes&) = delete;

    StackOrder order;
    StillRevision stillRevision;
    ShapeArray AtomD{order, 0, ShapeForm::Circle, &stillRevision};
    ShapeArray AtomC{order, 1, ShapeForm::Circle, &stillRevision};
    ShapeArray AtomB{order, 2, ShapeForm::Circle, &stillRevision};
    ShapeArray AtomA{order, 3, ShapeForm::Circle, &stillRevision};
    ShapeArray Cercle{order, 4, ShapeForm::Circle, &stillRevision};
    ShapeArray shpCara{order, 5, ShapeForm::Rectangle, &stillRevision};

    // Visible shapes, back to front: the order in which the view paints them.
    std::vector<const AtomShape*> paintOrder() const;
};

} // namespace tarvon

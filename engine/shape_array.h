#pragma once

#include "engine/atom_shape.h"
#include "engine/stack_order.h"
#include "engine/still_revision.h"

#include <initializer_list>
#include <vector>

namespace tarvon {

// A control array of shapes (AtomA, AtomB, ...). Element 0 always exists;
// elements above it are created and destroyed with each population.
class ShapeArray {
public:
    // revision: counts every access that may change a still shape, and every
    // change of the array's size.
    ShapeArray(StackOrder& order, int layer, ShapeForm form = ShapeForm::Circle,
               StillRevision* revision = nullptr);

    int upperIndex() const { return static_cast<int>(shapes_.size()) - 1; }
    // Creates element i, which must be the next free index (at most 500).
    // A new element is hidden, like a freshly loaded control.
    void load(long i);
    // Destroys every element but 0, which keeps its properties.
    void unloadAllButFirst();

    // A writable shape: if it is still, the box's still revision moves.
    AtomShape& operator[](long i);
    const AtomShape& operator[](long i) const;
    // Marks shape i as staying put, or as moving again.
    void setStill(long i, bool still);

    void move(long i, float left, float top);
    void bringToFront(long i);
    void sendToBack(long i);

    const std::vector<AtomShape>& all() const { return shapes_; }

private:
    AtomShape& at(long i);
    void bump();

    StackOrder* order_;
    int layer_;
    ShapeForm form_;
    StillRevision* revision_;
    std::vector<AtomShape> shapes_;
};

// Visible shapes of the arrays that share one stacking order, back to front:
// the order in which a view paints them.
std::vector<const AtomShape*> PaintOrder(std::initializer_list<const ShapeArray*> arrays);

} // namespace tarvon

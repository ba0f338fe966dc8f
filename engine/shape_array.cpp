#include "engine/shape_array.h"

#include <algorithm>

#include "engine/checked_list.h"

namespace tarvon {

ShapeArray::ShapeArray(StackOrder& order, int layer, ShapeForm form, StillRevision* revision)
    : order_(&order), layer_(layer), form_(form), revision_(revision) {
    shapes_.reserve(kListSize);
    load(0);
}

void ShapeArray::load(long i) {
    if (i != static_cast<long>(shapes_.size()) || i >= kListSize)
        throw IndexOutOfRange(i, kListSize);
    AtomShape shape;
    shape.form = form_;
    shape.stackKey = order_->newInLayer(layer_);
    shapes_.push_back(shape);
    bump();
}

void ShapeArray::unloadAllButFirst() {
    shapes_.resize(1);
    bump();
}

AtomShape& ShapeArray::operator[](long i) {
    AtomShape& shape = at(i);
    if (shape.still)
        bump();
    return shape;
}

const AtomShape& ShapeArray::operator[](long i) const {
    return const_cast<ShapeArray&>(*this).at(i);
}

void ShapeArray::setStill(long i, bool still) {
    AtomShape& shape = at(i);
    if (shape.still != still)
        bump();
    shape.still = still;
}

AtomShape& ShapeArray::at(long i) {
    if (i < 0 || i >= static_cast<long>(shapes_.size()))
        throw IndexOutOfRange(i, static_cast<long>(shapes_.size()));
    return shapes_[static_cast<std::size_t>(i)];
}

void ShapeArray::bump() {
    if (revision_ != nullptr)
        revision_->bump();
}

void ShapeArray::move(long i, float left, float top) {
    AtomShape& s = (*this)[i];
    s.left = left;
    s.top = top;
}

void ShapeArray::bringToFront(long i) {
    (*this)[i].stackKey = order_->front();
}

void ShapeArray::sendToBack(long i) {
    (*this)[i].stackKey = order_->back();
}

std::vector<const AtomShape*> PaintOrder(std::initializer_list<const ShapeArray*> arrays) {
    std::vector<const AtomShape*> out;
    out.reserve(1024);
    for (const ShapeArray* array : arrays)
        for (const AtomShape& s : array->all())
            if (s.visible)
                out.push_back(&s);
    std::sort(out.begin(), out.end(),
              [](const AtomShape* a, const AtomShape* b) { return a->stackKey < b->stackKey; });
    return out;
}

} // namespace tarvon

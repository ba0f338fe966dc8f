#include "qtcommon/still_layer.h"

#include "qtcommon/atom_sprites.h"
#include "qtcommon/shape_rect.h"

#include <QPainter>

namespace tarvon {

namespace {

bool mayHold(const AtomShape& s) {
    return s.still && s.form == ShapeForm::Circle;
}

bool touchesAny(const QRectF& r, const std::vector<QRectF>& others) {
    for (const QRectF& o : others)
        if (r.intersects(o))
            return true;
    return false;
}

} // namespace

// Anti-aliasing colours at most one pixel beyond a shape's square.
QRectF StillLayer::reachOf(const AtomShape& s) const {
    return shapeRect(s, minimum_).adjusted(-1, -1, 1, 1);
}

void StillLayer::prepare(const Inputs& in, const std::vector<const AtomShape*>& backToFront,
                         AtomSprites& sprites) {
    if (!holds(in, backToFront))
        rebuild(in, backToFront, sprites);
}

// Held shapes change only with the still revision, so they are all still in
// `backToFront`, in the same order. The image is good while no other shape
// before one of them touches it: moving shapes may have come near.
bool StillLayer::holds(const Inputs& in, const std::vector<const AtomShape*>& backToFront) const {
    if (image_.isNull() || in.pictureRevision != pictureRevision_ ||
        in.stillRevision != stillRevision_ || in.scale != scale_ ||
        in.minimumAtomDiameter != minimum_ || in.picture.size() != image_.size())
        return false;
    std::size_t next = 0; // the first held shape not yet met
    for (const AtomShape* s : backToFront) {
        if (next < held_.size() && s == held_[next].shape) {
            ++next;
            continue;
        }
        if (next < held_.size() && touchesHeldAbove(reachOf(*s), next))
            return false;
    }
    return next == held_.size();
}

bool StillLayer::touchesHeldAbove(const QRectF& reach, std::size_t firstAbove) const {
    if (!reach.intersects(reachFrom_[firstAbove]))
        return false;
    for (std::size_t k = firstAbove; k < held_.size(); ++k)
        if (reach.intersects(held_[k].reach))
            return true;
    return false;
}

std::vector<const AtomShape*>
StillLayer::notHeld(const std::vector<const AtomShape*>& backToFront) const {
    std::vector<const AtomShape*> out;
    out.reserve(backToFront.size() - held_.size());
    std::size_t next = 0;
    for (const AtomShape* s : backToFront) {
        if (next < held_.size() && s == held_[next].shape)
            ++next;
        else
            out.push_back(s);
    }
    return out;
}

void StillLayer::rebuild(const Inputs& in, const std::vector<const AtomShape*>& backToFront,
                         AtomSprites& sprites) {
    ++rebuilds_;
    pictureRevision_ = in.pictureRevision;
    stillRevision_ = in.stillRevision;
    scale_ = in.scale;
    minimum_ = in.minimumAtomDiameter;
    image_ = in.picture.copy();
    image_.setDevicePixelRatio(1);
    held_.clear();
    // What is drawn each frame, so far: a still shape under none of it can be held.
    std::vector<QRectF> drawnLater;
    QPainter painter(&image_);
    for (const AtomShape* s : backToFront) {
        const QRectF reach = reachOf(*s);
        if (mayHold(*s) && !touchesAny(reach, drawnLater)) {
            sprites.draw(painter, *s, in.scale, in.minimumAtomDiameter);
            held_.push_back({s, reach});
        } else {
            drawnLater.push_back(reach);
        }
    }
    reachFrom_.assign(held_.size() + 1, QRectF());
    for (std::size_t k = held_.size(); k-- > 0;)
        reachFrom_[k] = reachFrom_[k + 1].united(held_[k].reach);
}

} // namespace tarvon

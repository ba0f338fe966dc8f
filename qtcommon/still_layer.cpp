#include "qtcommon/still_layer.h"

#include "qtcommon/atom_sprites.h"

#include <QPainter>

#include <algorithm>

namespace tarvon {

namespace {

bool heldInLayer(const AtomShape& s) {
    return s.still && s.form == ShapeForm::Circle;
}

} // namespace

std::size_t StillLayer::prepare(const Inputs& in, const std::vector<const AtomShape*>& backToFront,
                                AtomSprites& sprites) {
    if (!holds(in, backToFront))
        rebuild(in, backToFront, sprites);
    return drawn_.size();
}

// The image is good while nothing it was drawn from has changed and the shapes
// it holds are still the first ones painted: a moving shape sent behind them
// would have to be drawn under them.
bool StillLayer::holds(const Inputs& in, const std::vector<const AtomShape*>& backToFront) const {
    if (image_.isNull() || in.pictureRevision != pictureRevision_ ||
        in.stillRevision != stillRevision_ || in.scale != scale_ ||
        in.minimumAtomDiameter != minimum_ || in.picture.size() != image_.size())
        return false;
    if (backToFront.size() < drawn_.size() ||
        !std::equal(drawn_.begin(), drawn_.end(), backToFront.begin()))
        return false;
    // A still shape just in front of the held ones: worth holding too.
    return backToFront.size() == drawn_.size() || !heldInLayer(*backToFront[drawn_.size()]);
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
    drawn_.clear();
    QPainter painter(&image_);
    for (const AtomShape* s : backToFront) {
        if (!heldInLayer(*s))
            break;
        sprites.draw(painter, *s, in.scale, in.minimumAtomDiameter);
        drawn_.push_back(s);
    }
}

} // namespace tarvon

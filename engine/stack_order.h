#pragma once

namespace tarvon {

// Hands out stacking keys for the shapes of one box. Bring-to-front and
// send-to-back are one increment each. A newly created shape goes on top of the
// shapes of its own array but stays in the array's layer, so the arrays keep
// their drawing order (AtomD lowest ... shpCara highest) until a shape is
// explicitly brought forward or sent back.
class StackOrder {
public:
    long long front() { return ++front_; }
    long long back() { return --back_; }
    long long newInLayer(int layer) {
        return (static_cast<long long>(layer) << 32) + ++layerTop_[layer];
    }

    static constexpr int kLayers = 6;

private:
    long long front_ = static_cast<long long>(kLayers) << 32;
    long long back_ = 0;
    long long layerTop_[kLayers] = {};
};

} // namespace tarvon

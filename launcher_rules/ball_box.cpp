#include "launcher_rules/ball_box.h"

#include <cmath>

namespace tarvon {

float BallBox::depthLength() const {
    return std::sqrt(depthX * depthX + depthY * depthY);
}

float BallBox::depthAngle() const {
    return std::atan(depthY / depthX);
}

BallBox CalibrationBox() {
    return {};
}

BallBox LauncherBox(float factor) {
    BallBox b;
    b.look = BallBox::Look::Launcher;
    b.diameter = 400 * factor;
    for (int axis = 0; axis < 3; ++axis) {
        b.side[axis] = 5000 * factor;
        b.upper[axis] = b.side[axis] - b.diameter;
    }
    b.depthX = 0.2f * b.side[0];
    b.depthY = 0.2f * b.side[1];
    b.lower[0] = -1000 * factor;
    b.lower[1] = -1500 * factor;
    b.lower[2] = 0;
    return b;
}

} // namespace tarvon

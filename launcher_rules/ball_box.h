#pragma once

namespace tarvon {

// The box the balls bounce in, in twips (model units), and how they look.
struct BallBox {
    enum class Look {
        Calibration, // one colour, one size
        Launcher     // random blues, drawn smaller with depth, re-stacked by depth
    };

    float side[3] = {6000, 6000, 6000}; // X, Y, Z
    float diameter = 256;
    float depthX = 1500;        // how far right the back face is drawn from the front
    float depthY = 1500;        // how far up
    float speed = 256;          // length of a new ball's velocity, per tick
    float lower[3] = {0, 0, 0}; // wall limits of a ball's position
    float upper[3] = {5744, 5744, 5744};
    Look look = Look::Calibration;

    float depthLength() const; // D
    float depthAngle() const;  // theta, radians
};

// The calibration's box: sides 6000, balls of 256, positions 0 ... 5744.
BallBox CalibrationBox();

// The launcher's box scaled by the screen factor: sides 5000, balls of 400,
// depth offsets a fifth of the sides; the balls may leave the front face to
// the left (-1000) and to the top (-1500).
BallBox LauncherBox(float factor);

} // namespace tarvon

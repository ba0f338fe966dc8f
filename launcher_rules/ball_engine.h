#pragma once

#include "engine/checked_list.h"
#include "engine/shape_array.h"
#include "engine/stack_order.h"
#include "launcher_rules/ball_box.h"

namespace tarvon {

class UniformRandom;

// Balls bouncing in a box drawn in oblique perspective: the calibration's
// workload and the launcher's background animation. Each ball i is drawn by
// the circle shape Cercle[i].
class BallEngine {
public:
    static constexpr int MaxBoles = 400; // shapes, and the most balls
    using Floats = CheckedList<float, MaxBoles + 1>;

    explicit BallEngine(const BallBox& box);
    BallEngine(const BallEngine&) = delete;
    BallEngine& operator=(const BallEngine&) = delete;

    const BallBox& box() const { return box_; }
    int NombreBoles() const { return count_; }

    // Hides every shape, reseeds the generator from the clock and places
    // `count` fresh balls, each with its colour, position and direction.
    void CrearBoles(UniformRandom& rnd, int count);
    // One animation step: every ball in order collides with the balls after
    // it, bounces off the walls, moves and is redrawn.
    void step();
    // Exchanges velocities with every touching ball after i and puts ball i
    // one diameter away from it.
    void XocsBola(int i);
    // Screen position (twips in the box picture) of ball i, with its shape.
    void project(int i);
    // Near balls in front of far ones where their shapes overlap.
    void restackByDepth();

    Floats X, Y, Z, VX, VY, VZ, XP, YP;
    Floats drawnSize; // drawn diameter, twips

    StackOrder order;
    ShapeArray Cercle{order, 0};

private:
    void dress(int i, UniformRandom& rnd);
    void place(int i, UniformRandom& rnd);
    void chooseDirection(int i, UniformRandom& rnd);
    bool overlapsEarlier(int i) const;
    float drawnDiameter(float z) const;

    BallBox box_;
    int count_ = 0;
};

} // namespace tarvon

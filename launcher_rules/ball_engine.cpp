#include "launcher_rules/ball_engine.h"

#include "engine/uniform_random.h"
#include "startup/number_text.h"

#include <cmath>
#include <numbers>

namespace tarvon {

namespace {

constexpr Rgb kCalibrationColour{192, 255, 255}; // the box's own colour
constexpr float kDegrees = std::numbers::pi_v<float> / 180;

// Reverses at a wall, moves, and keeps the position inside the walls.
void bounce(float& p, float& v, float lo, float hi) {
    if (p <= lo)
        v = -v;
    if (p >= hi)
        v = -v;
    p += v;
    if (p < lo)
        p = lo;
    if (p > hi)
        p = hi;
}

} // namespace

BallEngine::BallEngine(const BallBox& box) : box_(box) {
    for (int i = 1; i < MaxBoles; ++i)
        Cercle.load(i);
}

void BallEngine::CrearBoles(UniformRandom& rnd, int count) {
    for (int i = 0; i < MaxBoles; ++i)
        Cercle[i].visible = false;
    if (count < 0 || count > MaxBoles)
        throw IndexOutOfRange(count, MaxBoles + 1);
    rnd.reseedFromClock();
    count_ = count;
    for (int i = 0; i < count; ++i) {
        dress(i, rnd);
        place(i, rnd);
        project(i);
        Cercle[i].visible = true;
        chooseDirection(i, rnd);
    }
}

void BallEngine::dress(int i, UniformRandom& rnd) {
    AtomShape& s = Cercle[i];
    Rgb colour = kCalibrationColour;
    if (box_.look == BallBox::Look::Launcher)
        colour = {75, 175, static_cast<int>(std::floor(255 * rnd.next() + 1))};
    s.fill = s.border = colour;
    s.width = s.height = box_.diameter;
}

// Up to 9 random placements; the last one stays even if it still overlaps,
// and later collisions push the balls apart.
void BallEngine::place(int i, UniformRandom& rnd) {
    for (int attempt = 0; attempt < 9; ++attempt) {
        // One twip short of the wall: the factor is side - diameter - 1.
        X[i] = std::floor((box_.side[0] - box_.diameter - 1) * static_cast<float>(rnd.next()));
        Y[i] = std::floor((box_.side[1] - box_.diameter - 1) * static_cast<float>(rnd.next()));
        Z[i] = std::floor((box_.side[2] - box_.diameter - 1) * static_cast<float>(rnd.next()));
        if (!overlapsEarlier(i))
            return;
    }
}

bool BallEngine::overlapsEarlier(int i) const {
    const float limit = box_.diameter * box_.diameter;
    for (int j = 0; j < i; ++j) {
        const float dx = X[j] - X[i], dy = Y[j] - Y[i], dz = Z[j] - Z[i];
        if (dx * dx + dy * dy + dz * dz < limit)
            return true;
    }
    return false;
}

// Two direction cosines from a random pair of angles, the third from them,
// spread over the axes in one of six orders.
void BallEngine::chooseDirection(int i, UniformRandom& rnd) {
    const float alpha = 180 * static_cast<float>(rnd.next()); // degrees
    const float lo = alpha <= 90 ? 90 - alpha : alpha - 90;
    const float hi = alpha <= 90 ? 90 + alpha : 270 - alpha;
    const float beta = lo + (hi - lo) * static_cast<float>(rnd.next());
    const float c1 = std::cos(alpha * kDegrees);
    const float c2 = std::cos(beta * kDegrees);
    const float q = 1 - c1 * c1 - c2 * c2;
    const float c3 = q > 0 ? std::sqrt(q) : 1;
    const int k = static_cast<int>(std::floor(6 * rnd.next() + 1));
    const float S = box_.speed;
    const float order[6][3] = {{c1, c2, c3}, {c1, c3, c2}, {c2, c1, c3},
                               {c2, c3, c1}, {c3, c1, c2}, {c3, c2, c1}};
    const float* c = order[k - 1];
    VX[i] = S * c[0];
    VY[i] = S * c[1];
    VZ[i] = S * c[2];
}

void BallEngine::step() {
    for (int i = 0; i < count_; ++i) {
        XocsBola(i);
        bounce(X[i], VX[i], box_.lower[0], box_.upper[0]);
        bounce(Y[i], VY[i], box_.lower[1], box_.upper[1]);
        bounce(Z[i], VZ[i], box_.lower[2], box_.upper[2]);
        project(i);
    }
}

void BallEngine::XocsBola(int i) {
    for (int j = i + 1; j < count_; ++j) {
        const float dx = X[j] - X[i], dy = Y[j] - Y[i], dz = Z[j] - Z[i];
        const float d = std::sqrt(dx * dx + dy * dy + dz * dz) / box_.diameter;
        if (!(d > 0 && d <= 1))
            continue;
        Floats* P[3] = {&X, &Y, &Z};
        Floats* V[3] = {&VX, &VY, &VZ};
        for (int axis = 0; axis < 3; ++axis) {
            Floats& p = *P[axis];
            Floats& v = *V[axis];
            // The velocity that moves from j to i becomes a whole number.
            const float t = static_cast<float>(RoundToInt16(v[j]));
            v[j] = v[i];
            v[i] = t;
            p[i] = p[j] - (p[j] - p[i]) / d;
        }
    }
}

float BallEngine::drawnDiameter(float z) const {
    if (box_.look != BallBox::Look::Launcher)
        return box_.diameter;
    // Balls at the back are drawn a fifth smaller.
    return box_.diameter * std::fabs(1 - 0.2f * z / (box_.side[2] - box_.diameter));
}

void BallEngine::project(int i) {
    const float f = Z[i] / (box_.side[2] - box_.diameter);
    const float D = box_.depthLength();
    const float theta = box_.depthAngle();
    XP[i] = X[i] + f * D * std::cos(theta);
    YP[i] = Y[i] + box_.depthY - f * D * std::sin(theta);
    drawnSize[i] = drawnDiameter(Z[i]);
    AtomShape& s = Cercle[i];
    s.width = s.height = drawnSize[i];
    s.left = XP[i];
    s.top = YP[i];
}

void BallEngine::restackByDepth() {
    for (int i = 0; i < count_; ++i) {
        for (int j = i + 1; j < count_; ++j) {
            const float dx = XP[j] - XP[i], dy = YP[j] - YP[i];
            const float d = std::sqrt(dx * dx + dy * dy);
            if (d >= (drawnSize[i] + drawnSize[j]) / 2)
                continue;
            // The whole part of the size ratio: 0 (i is nearer) brings i to
            // the front, 1 sends it back.
            if (std::floor(drawnSize[j] / drawnSize[i]) == 0)
                Cercle.bringToFront(i);
            else
                Cercle.sendToBack(i);
            Cercle.move(i, XP[i], YP[i]);
        }
    }
}

} // namespace tarvon

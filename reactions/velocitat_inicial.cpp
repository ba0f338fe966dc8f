#include "reactions/velocitat_inicial.h"

#include "engine/orienta.h"
#include "reactions/rounding.h"

#include <array>

namespace tarvon {

namespace {

constexpr int kDrawnEntries = 500; // entry 500 is never drawn
constexpr int kMaxTries = 1000;

// Draws an unused table entry and uses it up; an exhausted table gives the
// diameter factor itself.
float drawSpeed(SimulationState& s, UniformRandom& rnd) {
    int j = 0;
    int tries = 0;
    do {
        j = Int(rnd.next() * kDrawnEntries);
        ++tries;
    } while (s.TaulaVel[j] == 0 && tries < kMaxTries);
    const float speed = s.TaulaVel[j] != 0 ? s.TaulaVel[j] * s.FactorDiam / 58 : s.FactorDiam;
    s.TaulaVel[j] = 0;
    return speed;
}

// The six orders of (a, b, c), numbered 1 to 6.
std::array<float, 3> permutation(int e, float a, float b, float c) {
    switch (e) {
    case 1:
        return {a, b, c};
    case 2:
        return {a, c, b};
    case 3:
        return {b, a, c};
    case 4:
        return {b, c, a};
    case 5:
        return {c, a, b};
    default:
        return {c, b, a};
    }
}

} // namespace

void Velocitat_Inicial(SimulationState& s, UniformRandom& rnd, int i) {
    Orienta(s, rnd, i, static_cast<float>(rnd.next() * 181));
    const float a = s.DirX[i], b = s.DirY[i], c = s.DirZ[i];
    const float speed = drawSpeed(s, rnd);
    const int e = Int(rnd.next() * 6 + 1);
    const std::array<float, 3> u = permutation(e, a, b, c);
    const float v = speed * s.FactorVel;
    s.VelX[i] = v * u[0];
    s.VelY[i] = v * u[1];
    s.VelZ[i] = v * u[2];
}

} // namespace tarvon

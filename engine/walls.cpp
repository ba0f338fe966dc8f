#include "engine/walls.h"

#include "engine/orienta.h"

namespace tarvon {

namespace {

// Both tests use the old position: a slot on both limits is reversed twice.
void reflect(float pos, float& vel, float lo, float hi, bool& rebot) {
    if (pos <= lo) {
        vel = -vel;
        rebot = true;
    }
    if (pos >= hi) {
        vel = -vel;
        rebot = true;
    }
}

void moveAndClamp(float& pos, float vel, float lo, float hi) {
    pos = pos + vel;
    if (pos < lo)
        pos = lo;
    if (pos > hi)
        pos = hi;
}

} // namespace

void WallsAndMotion(SimulationState& s, UniformRandom& rnd, int i, const WallLimits& lim,
                    ReactionHooks* floorHook) {
    s.Rebot = false;
    reflect(s.PosX[i], s.VelX[i], lim.xLo, lim.xHi, s.Rebot);
    moveAndClamp(s.PosX[i], s.VelX[i], lim.xLo, lim.xHi);

    if (floorHook == nullptr) {
        reflect(s.PosY[i], s.VelY[i], lim.yLo, lim.yHi, s.Rebot);
    } else {
        if (s.PosY[i] <= lim.yLo) {
            s.VelY[i] = -s.VelY[i];
            s.Rebot = true;
        }
        if (s.PosY[i] >= lim.yHi) // the reaction decides: bounce or react
            floorHook->reaccioXoc(s, i);
    }
    moveAndClamp(s.PosY[i], s.VelY[i], lim.yLo, lim.yHi);

    reflect(s.PosZ[i], s.VelZ[i], lim.zLo, lim.zHi, s.Rebot);
    moveAndClamp(s.PosZ[i], s.VelZ[i], lim.zLo, lim.zHi);

    if (s.Rebot) {
        // Only the drawn direction changes; the velocity keeps its components.
        s.Alfa[i] = static_cast<float>(rnd.next() * 181);
        Orienta(s, rnd, i, s.Alfa[i]);
    }
}

} // namespace tarvon

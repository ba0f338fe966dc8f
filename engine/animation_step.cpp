#include "engine/animation_step.h"

#include "engine/moving_slots.h"
#include "engine/pair_test.h"
#include "engine/slot_drawing.h"
#include "engine/slot_margins.h"
#include "engine/tick_invariants.h"
#include "engine/walls.h"
#include "reactions/reaction_description.h"

#include <exception>
#ifdef TARVON_TICK_CHECKS
#include <iostream>
#endif

namespace tarvon {

namespace {

// The window and the runner go on after an abandoned tick; in checked builds a
// broken invariant must not pass in silence.
void reportBroken([[maybe_unused]] const std::exception& e) {
#ifdef TARVON_TICK_CHECKS
    if (dynamic_cast<const TickInvariantBroken*>(&e) != nullptr)
        std::cerr << "tick invariant broken: " << e.what() << '\n';
#endif
}

} // namespace

void AnimationStep::tick() {
    s_.Ara = clock_.now();
    s_.meca.heldBackSlot = -1;
    const Reaction reaction = ReactionOf(s_);
    if (reaction != Reaction::None) {
        // Rows first: they record the counts as they stood before this step.
        hooks_.rowRule(s_);
        if (reaction == Reaction::HgO)
            timedRelease();
        slotLoop(reaction);
        // Also after a capture ended the loop early.
        if (reaction == Reaction::HI)
            RestackByDepth(s_);
    }
    // The front strip stays over the particles.
    s_.caja.shpCara.bringToFront(0);
    // Checked builds: what every tick must leave true.
#ifdef TARVON_TICK_CHECKS
    CheckTickInvariants(s_);
#endif
}

void AnimationStep::timedRelease() {
    s_.IntervalEvent = s_.meca.MecaDemanat ? 3.0f : 0.5f;
    // Compared in single precision, like the row rule: a release due on a tick
    // must not wait one more tick for a rounding error of the clock.
    const auto elapsed = static_cast<float>(clock_.now() - s_.TempsEvent);
    if (elapsed >= s_.IntervalEvent && s_.nHg < s_.NumB)
        hooks_.reaccioXoc(s_, s_.nHg);
}

void AnimationStep::slotLoop(Reaction reaction) {
    for (int i = 0; i <= s_.NombreMol - 1; ++i) {
        // Lattice sites stay where the solid put them until released.
        if (SlotMoves(s_, reaction, i))
            processSlot(reaction, i);
        if (captureAfterSlot(reaction))
            break;
    }
    // The surface reactions show their capture once every slot has moved.
    if ((reaction == Reaction::FeO || reaction == Reaction::HgO) && s_.meca.MecaCapturat)
        hooks_.mostraCaptura(s_);
}

bool AnimationStep::guardedTick(std::string* error) {
    try {
        tick();
        return true;
    } catch (const std::exception& e) {
        if (error != nullptr)
            *error = e.what();
        reportBroken(e);
        return false;
    }
}

void AnimationStep::processSlot(Reaction reaction, int i) {
    switch (reaction) {
    case Reaction::FeO:
        processFeO(i);
        break;
    case Reaction::NH3:
    case Reaction::HI:
        hooks_.reaccioXoc(s_, i);
        if (!s_.meca.MecaCapturat)
            wallsAndDraw(reaction, i);
        else // where its collisions left it, maybe past a wall, until the next tick
            s_.meca.heldBackSlot = i;
        break;
    case Reaction::HgO:
        processHgO(i);
        break;
    case Reaction::None:
        break;
    }
}

void AnimationStep::processFeO(int i) {
    // Earlier slots have already moved this tick, later ones have not. An O2
    // used up at the iron surface is no longer drawn: it must not be met, nor
    // hand its stale velocity to a live molecule.
    const double contact = 4.0 * s_.RadiA[0];
    PairScan(
        s_, i, i + 1, s_.NombreMol - 1, 0.9, [contact](int) { return contact; },
        [this, i](int j) { hooks_.xocMolecules(s_, i, j); },
        [this](int j) { return s_.TaulaMol.inPlay(j); });
    wallsAndDraw(Reaction::FeO, i, &hooks_);
}

void AnimationStep::processHgO(int i) {
    // j = i is tested too; its ratio is 0, so it never passes. Slots from NumB
    // on are kept for the O2 molecules to come; while solid they hold the hidden
    // last mercury site or an oxide site, whose ion may be in the block or long
    // gone, so they take no part: each O2 gets a slot of its own and nothing
    // invisible stands in the way. Mercury sites stay obstacles until released.
    const float* size = s_.MidaMol.data();
    const bool* solid = s_.EnSolid.data();
    const int firstO2 = s_.NumB;
    PairScan(
        s_, i, 0, s_.NombreMol - 1, 1.0,
        [this, i, size](int j) { return static_cast<double>(s_.MidaMol[i]) + size[j]; },
        [this, i](int j) { hooks_.xocMolecules(s_, i, j); },
        [solid, firstO2](int j) { return j < firstO2 || !solid[j]; });
    wallsAndDraw(Reaction::HgO, i);
}

void AnimationStep::wallsAndDraw(Reaction reaction, int i, ReactionHooks* floorHook) {
    WallsAndMotion(s_, rnd_, i, SlotLimits(s_, reaction, i), floorHook);
    // An O2 that has just reacted at the iron surface is no longer drawn.
    if (reaction == Reaction::FeO && !s_.TaulaMol.inPlay(i))
        return;
    DrawSlot(s_, reaction, i);
}

bool AnimationStep::captureAfterSlot(Reaction reaction) {
    if (reaction != Reaction::NH3 && reaction != Reaction::HI)
        return false;
    if (!s_.meca.MecaCapturat)
        return false;
    hooks_.mostraCaptura(s_);
    HighlightCapture(s_, reaction);
    s_.meca.MecaCapturat = false;
    return reaction == Reaction::HI;
}

} // namespace tarvon

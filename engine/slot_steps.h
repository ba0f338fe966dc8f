#pragma once

#include "engine/tick_context.h"

namespace tarvon {

// Steps the reactions' ticks share around a capture of the mechanism view.

// A gas reaction's rule meets the other slots itself. True when slot i then
// goes on to its walls and drawing; false when the rule captured a group: the
// slot stays where its collisions left it, maybe past a wall, until the next
// tick.
inline bool GasRule(TickContext& t, int i) {
    t.hooks.reaccioXoc(t.s, i);
    if (!t.s.meca.MecaCapturat)
        return true;
    t.s.meca.heldBackSlot = i;
    return false;
}

// A gas capture is shown, and its group highlighted, as soon as the slot that
// made it is done. True when one was.
template <typename Highlight> bool ShowGasCapture(TickContext& t, Highlight highlight) {
    if (!t.s.meca.MecaCapturat)
        return false;
    t.hooks.mostraCaptura(t.s);
    highlight(t.s);
    t.s.meca.MecaCapturat = false;
    return true;
}

// A capture at a solid surface is shown once every slot has moved.
inline void ShowSurfaceCapture(TickContext& t) {
    if (t.s.meca.MecaCapturat)
        t.hooks.mostraCaptura(t.s);
}

} // namespace tarvon

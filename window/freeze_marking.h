#pragma once

#include "window/tarvon_model.h"

namespace tarvon {

// Stops or restarts the animation timer; the caption says what a click does.
void AccionsCongelar(TarvonModel& m);

// A rebuilt box runs: a frozen picture would show the new population only after
// the next tick. The freeze command's caption then says it freezes.
void ReprendreAnimacio(TarvonModel& m);

// Switches the marking mode on or off.
void AccionsMarcar(TarvonModel& m);

// A mouse press in Caja at (X, Y), twips: with marking on, toggles the mark of
// the first kind-A and the first kind-B particle under it.
void CajaMouseDown(TarvonModel& m, float X, float Y);

} // namespace tarvon

#pragma once

#include "engine/simulation_state.h"

#include <array>

namespace tarvon {

// Freezes the animation on a captured group: pauses the timer, shows
// "Continuar" and lets the reaction show the group (a group at a solid
// surface is redrawn as it was captured).
void MostraCaptura(SimulationState& s);

// Puts a captured shape back as it was photographed, at (left, top), twips.
void RestoreCaptured(AtomShape& shape, const CapturedShape& photo, float left, float top);

// The captured group's four shapes: shown, with the capture's green border.
void HighlightCaptured(const std::array<AtomShape*, 4>& group);

// Brings the captured group (IdxMeca 0 and 1 of `first`, 2 and 3 of
// `second`) in front of everything: a group inside a solid would be hidden by
// the ions in front of it.
void BringCapturedForward(SimulationState& s, ShapeArray& first, ShapeArray& second);

} // namespace tarvon

#pragma once

#include "window/tarvon_model.h"

namespace tarvon {

// Eines > Cronòmetre: shows the panel, stopped.
void EinesCrono(TarvonModel& m);

// The panel's start/stop button; a stop hands the lap to the data taking.
void cmdIniciCrono(TarvonModel& m);

// "Tancar": stops without a lap, zeroes and hides the panel.
void cmdTancarCrono(TarvonModel& m);

// One tick of the Crono timer.
void Crono_Timer(TarvonModel& m);

} // namespace tarvon

#pragma once

#include "window/tarvon_model.h"

namespace tarvon {

// Cinètica > Adquirir dades cinètiques: rows every `interval` seconds (0.5,
// 1, 2, 5 or 10), continuing the table when rows were taken at the last one.
void CineDades(TarvonModel& m, float interval);

// Rows at the chronometer's laps: the panel opens and starts.
void CineDadesCrono(TarvonModel& m);

// "Aturar presa de dades": no more rows; the table stays on show.
void CineNoDades(TarvonModel& m);

// "Esborrar dades": the table goes and a later reaction choice takes no data.
void CineEsborrar(TarvonModel& m);

// The settings a table begun now is taken with; `started` is the wall clock.
RunSettings CurrentRunSettings(const TarvonModel& m, std::time_t started);

// Starts a new table or continues the one being taken; shows the table and
// the reaction's commentary. A new table keeps the current settings.
void IniciarDadesFinestra(TarvonModel& m);

// Empties and hides the table, closes the chronometer; Interval stays.
void EsborrarDadesFinestra(TarvonModel& m);

// After a reaction choice: the data taking of the kept Interval again.
void ReprendreDades(TarvonModel& m);

// The rows due at the start of a tick: an interval row, then a lap's row,
// after which the chronometer runs again.
void PrendreFiles(TarvonModel& m);

} // namespace tarvon

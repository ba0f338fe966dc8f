#pragma once

#include "engine/simulation_state.h"
#include "texts/language.h"
#include "window/run_settings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarvon {

inline constexpr TextKey kTitolDadesText =
    TX("window", "Nombre de partícules en funció del temps (segons)");
inline constexpr TextKey kTempsText = TX("window", "Temps");
// The title in Catalan, as the workbook and the runner's scripts keep it.
inline constexpr const char* kTitolDades = kTitolDadesText.source;

// Interval rows taken after one interval was set, at most.
inline constexpr int kMaxRegistres = 1000;

// The Interval that marks chronometer mode; no interval rows are taken in it.
inline constexpr float kIntervalCrono = 1000;

// One row of the table: the time and the reaction's counts in header order.
struct DataRow {
    float Temps = 0; // seconds
    std::vector<int> counts;
    bool operator==(const DataRow&) const = default;
};

// The table kept as numbers; its text, the clipboard and the workbook are
// rendered from them.
struct DataRows {
    bool started = false;             // a table was begun: it has its title
    std::vector<std::string> columns; // "Temps" then the species; empty without a reaction
    std::vector<DataRow> rows;
    RunSettings settings; // those the table was begun with
};

// The kinetic data being taken and the table they make.
struct DataTaking {
    DataRows Taula;
    std::uint64_t Revisio = 0; // changes with every change of the table
    float Interval = 0;        // seconds; 1000 in chronometer mode, 0 when cleared
    // When the last interval row was due, on the clock: the start of the rows,
    // a row's due time, or the tick that restarted the schedule (a late tick,
    // a lap). Empty while no interval rows are taken: a separate state rather
    // than 0, which the monotonic clock can read.
    std::optional<double> DarrerRegistre;
    std::int16_t NombreRegistres = 0; // interval rows since the interval was set
    float TempsBase = 0;              // time covered by earlier intervals
    float MarcaCrono = 0;             // lap handed over by the chronometer, 0 = none
    float TempsCrono = 0;             // laps already written
};

// A time in the general number format: integers without decimals, otherwise
// up to seven significant digits without trailing zeros, with the locale's
// decimal separator. Below 1e-4 and from 1e7 up an exponent is written
// ("1e-07"); row times never get there.
std::string FormatGeneral(float value, char decimalSeparator);

// The columns of the reaction, "Temps" then its species; empty without one.
std::vector<std::string> ColumnesDades(const ReactionDescription* r);

// The table as the program hands it on: the title, the header and the rows,
// CR LF after every line, TAB between fields, times in the general format.
// The title and "Temps" are in `lang`; the formulas and numbers are not words.
std::string TaulaDades(const DataRows& t, char decimalSeparator, const Language& lang);

enum class TableStart { New, Continued };

// Starts a table with its first row at time 0, or, when interval rows were
// taken with the current Interval, continues it from the time they covered.
// Runs before the caller sets the new Interval. `now` is the clock reading.
TableStart IniciarDades(DataTaking& d, const SimulationState& s, double now);

// Stops the interval rows; the table stays, the next start makes a new one.
void AturarDades(DataTaking& d);

// Empties the table and stops the rows; Interval is kept.
void EsborrarDades(DataTaking& d);

// The interval rule, applied at the start of a tick once s.Ara is read: a row
// at the first tick at or after its due time, one interval after the last
// one's, so the lag stays under one tick. Row times count from the row
// number, so they stay evenly spaced when a tick is late. Returns whether a
// row was appended.
bool PrendreFilaInterval(DataTaking& d, const SimulationState& s);

// The chronometer rule: a lap handed over is written at the sum of the laps
// so far; interval rows, if any are taken, are due again from this tick.
// Returns whether a row was appended; the caller restarts the chronometer
// then.
bool PrendreFilaCrono(DataTaking& d, const SimulationState& s);

} // namespace tarvon

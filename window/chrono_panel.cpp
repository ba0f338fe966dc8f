#include "window/chrono_panel.h"

namespace tarvon {

namespace {

// Laps become rows only while data are taken with the chronometer; the
// stand-alone stopwatch keeps its stopped time on show.
bool takingLaps(const DataTaking& d) {
    return d.Interval == kIntervalCrono && d.DarrerRegistre.has_value();
}

} // namespace

void EinesCrono(TarvonModel& m) {
    m.d.picCrono = true;
}

void cmdIniciCrono(TarvonModel& m) {
    const auto lap = IniciCrono(m.crono, m.clock.now());
    if (lap && takingLaps(m.data))
        m.data.MarcaCrono = *lap;
}

void cmdTancarCrono(TarvonModel& m) {
    m.d.picCrono = false;
    m.d.lblTempus = "Tempus fugit";
    TancarCrono(m.crono);
}

void Crono_Timer(TarvonModel& m) {
    CronoTick(m.crono, m.clock.now());
}

} // namespace tarvon

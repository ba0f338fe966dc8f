#include "mainwindow/chrono_panel.h"

namespace tarvon {

void EinesCrono(TarvonModel& m) {
    m.d.picCrono = true;
}

void cmdIniciCrono(TarvonModel& m) {
    if (const auto lap = IniciCrono(m.crono, m.clock.now()))
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

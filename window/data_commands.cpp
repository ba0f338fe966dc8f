#include "window/data_commands.h"

#include "reactions/reaction_description.h"
#include "window/chrono_panel.h"

#include <ctime>

namespace tarvon {

namespace {

constexpr const char* kIntervalItems[] = {"CineDades05", "CineDades1", "CineDades2", "CineDades5",
                                          "CineDades10"};
constexpr float kIntervals[] = {0.5f, 1, 2, 5, 10};

void newTableMenus(MenuStates& menus) {
    menus.disable("mnuEines");
    menus.disable("CineMeca");
    for (const char* item : {"CineEsborrar", "CineNoDades", "ArxiuExcel"})
        menus.enable(item);
}

} // namespace

RunSettings CurrentRunSettings(const TarvonModel& m, std::time_t started) {
    RunSettings r;
    r.Reaccio = m.s.Reaccio != nullptr ? m.s.Reaccio->key : "";
    r.particles = m.s.NombreP;
    r.diameter = m.w.DiamBase > 0 ? m.s.Diam / m.w.DiamBase : 1.0f;
    r.speed = m.s.controls.tmrRellotgeInterval;
    r.VolumConstant = m.w.VolumConstant;
    r.started = started;
    return r;
}

void IniciarDadesFinestra(TarvonModel& m) {
    if (m.data.NombreRegistres == 0) // a new table replaces the one shown
        m.runs.end(m.data.Taula);
    const TableStart start = IniciarDades(m.data, m.s, m.clock.now());
    if (start == TableStart::New) {
        m.data.Taula.settings = CurrentRunSettings(m, std::time(nullptr));
        newTableMenus(m.menus);
        m.d.txtDades = true;
        if (m.s.Reaccio != nullptr)
            m.runs.begin(m.s.Reaccio->key, RunLabel(m.data.Taula.settings, m.lang));
        if (m.s.Reaccio != nullptr)
            m.w.TextCinetica = m.lang(m.s.Reaccio->texts().TextCinetica);
    }
    m.d.lblPropietatsCaption = m.w.TextCinetica;
    m.d.lblPropietats = true;
}

void EsborrarDadesFinestra(TarvonModel& m) {
    m.runs.end(m.data.Taula);
    EsborrarDades(m.data);
    for (const char* item : {"CineMeca", "CineDadesCrono", "mnuEines"})
        m.menus.enable(item);
    for (const char* item : kIntervalItems)
        m.menus.enable(item);
    m.menus.disable("ArxiuExcel");
    m.d.txtDades = false;
    cmdTancarCrono(m);
}

void CineDades(TarvonModel& m, float interval) {
    m.menus.disable("CineDadesCrono");
    IniciarDadesFinestra(m);
    m.data.Interval = interval;
}

void CineDadesCrono(TarvonModel& m) {
    m.menus.disable("CineMeca");
    for (const char* item : kIntervalItems)
        m.menus.disable(item);
    m.d.picCrono = true;
    m.d.lblTempus = m.lang(TX("window", "Prenent dades..."));
    // A stopwatch already running from Eines starts again from zero: the
    // button would stop it instead.
    if (m.crono.CronoEnabled)
        TancarCrono(m.crono);
    cmdIniciCrono(m);
    IniciarDadesFinestra(m);
    m.data.Interval = kIntervalCrono;
    m.data.TempsCrono = 0;
    m.data.MarcaCrono = 0;
}

void CineNoDades(TarvonModel& m) {
    m.menus.enable("CineDadesCrono");
    AturarDades(m.data);
    cmdTancarCrono(m);
}

void CineEsborrar(TarvonModel& m) {
    m.data.Interval = 0;
    EsborrarDadesFinestra(m);
}

void ReprendreDades(TarvonModel& m) {
    const float interval = m.data.Interval;
    if (interval == kIntervalCrono) {
        CineDadesCrono(m);
        return;
    }
    for (int k = 0; k < 5; ++k)
        if (interval == kIntervals[k])
            CineDades(m, interval);
}

void PrendreFiles(TarvonModel& m) {
    PrendreFilaInterval(m.data, m.s);
    if (PrendreFilaCrono(m.data, m.s))
        cmdIniciCrono(m);
}

} // namespace tarvon

#pragma once

#include "engine/caja_picture.h"
#include "engine/clock.h"
#include "engine/simulation_state.h"
#include "engine/uniform_random.h"
#include "window/chronometer.h"
#include "window/data_table.h"
#include "window/kinetics_runs.h"
#include "window/menu_states.h"
#include "window/window_state.h"

#include "texts/language.h"

namespace tarvon {

// Everything the main window's commands work on: the simulation, the
// window's settings and display, its menus, the data table and the chronometer, with the
// clock, the generator and the box picture they use. The window paints it.
struct TarvonModel {
    TarvonModel(SimulationState& state, Clock& clock, UniformRandom& rnd, CajaPicture& caja,
                const Language& lang = Catala())
        : s(state), clock(clock), rnd(rnd), Caja(caja), lang(lang) {}

    SimulationState& s;
    Clock& clock;
    UniformRandom& rnd;
    CajaPicture& Caja;
    const Language& lang; // the words of everything the commands put on screen

    WindowSettings w;
    WindowDisplay d;
    MenuStates menus;
    DataTaking data;
    Chronometer crono;
    KineticsRuns runs; // the tables the live graph overlays
};

} // namespace tarvon

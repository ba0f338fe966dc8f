#pragma once

#include "engine/simulation_state.h"
#include "engine/slot_margins.h"
#include "engine/tick_context.h"
#include "engine/uniform_random.h"
#include "layout/mida_caixa.h"
#include "reactions/counters.h"
#include "reactions/llegenda.h"
#include "reactions/reaction_pictures.h"
#include "reactions/reaction_texts.h"

#include <span>
#include <string>

namespace tarvon {

// A reaction's entry in the help: its name and what happens in it.
struct HelpEntry {
    const char* name;
    const char* explanation;
};

// What the animation step asks of a reaction.
struct SlotRule {
    // The tick after its data rows: the timed events, the collisions, walls,
    // motion and drawing of every slot it moves, and a capture shown.
    void (*tick)(TickContext&);
    // Whether the tick moves slot i (a lattice site never moves).
    bool (*moves)(const SimulationState&, int i);
    // How far the wall step keeps slot i's centre from the walls.
    SlotMargins (*margins)(const SimulationState&, int i);
};

// How the mechanism view shows a reaction's captured group and goes on.
struct CaptureRule {
    // Redraws the group when the capture is shown; null where the reaction's
    // own tick highlights it.
    void (*show)(SimulationState&);
    // "Continuar": the group as the reaction left it, in its normal appearance.
    void (*resume)(SimulationState&);
};

// Everything the program asks of one reaction. Each reaction folder defines
// one; the registry lists them.
struct ReactionDescription {
    const char* key; // "FeO": the menu item, the runner's --reaction, the workbook's name

    const char* menuCaption; // its item in the Reaccions menu
    HelpEntry help;
    const ReactionTexts& (*texts)();
    ReactionPictures pictures;
    std::span<const CounterBox> counters; // the counter boxes, txt0 first
    std::span<const DataColumn> columns;  // the data table's species, after "Temps"

    float (*bondLength)(float diam); // DistEnllac for a particle diameter, twips
    // What else follows a new bond length; may be null.
    void (*afterBondLength)(SimulationState&);
    int mechanismSide; // particles per side in the mechanism view
    MechanismBox mechanismBox;
    // Builds the population once BuidarSistema has run and the generator is
    // reseeded.
    void (*populate)(SimulationState&, UniformRandom&);
    LegendLayout legend;

    SlotRule slotRule;
    // Reaccio_Xoc: the reaction rule for slot i.
    void (*event)(TickContext&, int i);
    CaptureRule capture;
    // The species totals it conserves after every tick: the first violation,
    // or "".
    std::string (*speciesBalance)(const SimulationState&);
};

} // namespace tarvon

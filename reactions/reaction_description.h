#pragma once

#include "engine/reaction_tick.h"
#include "engine/simulation_state.h"
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
    TextKey name;
    TextKey explanation;
};

// Everything the program asks of one reaction. Each reaction folder defines
// one; the registry lists them.
struct ReactionDescription {
    const char* key; // "FeO": the menu item, the runner's --reaction, the workbook's name

    TextKey menuCaption; // its item in the Reaccions menu
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

    // Reaccio_Xoc: the reaction rule for slot i.
    void (*event)(TickContext&, int i);
    CollisionKind collisions; // what its collision counts count
    ReactionTick tick;        // what the animation step asks of it
};

// Chooses the reaction the state runs, or none: its description and the rules
// the engine reads from it.
inline void UseReaction(SimulationState& s, const ReactionDescription* r) {
    s.Reaccio = r;
    s.Regles = r != nullptr ? &r->tick : nullptr;
}

} // namespace tarvon

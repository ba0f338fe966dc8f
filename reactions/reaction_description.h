#pragma once

#include "engine/reaction_key.h"
#include "engine/simulation_state.h"
#include "engine/tick_context.h"
#include "engine/uniform_random.h"
#include "layout/mida_caixa.h"
#include "reactions/counters.h"
#include "reactions/llegenda.h"
#include "reactions/reaction_pictures.h"
#include "reactions/reaction_texts.h"

#include <span>

namespace tarvon {

// A reaction's entry in the help: its name and what happens in it.
struct HelpEntry {
    const char* name;
    const char* explanation;
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
    Reaction id;

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

    // Reaccio_Xoc: the reaction rule for slot i.
    void (*event)(TickContext&, int i);
    CaptureRule capture;
};

inline Reaction ReactionOf(const SimulationState& s) {
    return s.Reaccio != nullptr ? s.Reaccio->id : Reaction::None;
}

} // namespace tarvon

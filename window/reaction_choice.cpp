#include "window/reaction_choice.h"

#include "reactions/buidar_sistema.h"
#include "reactions/crea_poblacio.h"
#include "reactions/reaction_settings.h"
#include "window/box_view.h"
#include "window/data_commands.h"
#include "window/freeze_marking.h"
#include "window/initial_state.h"
#include "window/kinetics_commands.h"

#include <cmath>
#include <cstdint>

namespace tarvon {

namespace {

// A new arrangement every time, as a clock-seeded generator gives.
std::uint64_t seedFrom(const Clock& clock) {
    return static_cast<std::uint64_t>(std::llround(std::fabs(clock.now()) * 1000.0));
}

} // namespace

void TriaReaccio(TarvonModel& m, const ReactionDescription& r) {
    const ReactionTexts& texts = r.texts();
    ChooseReaction(m.s, r, m.w.DiamBase);
    m.d.picRIFile = {PicturePath(r.pictures.heading->file), PicturePath(r.pictures.equation->file)};
    PrepararReaccio(m);
    m.d.lblDS1 = m.lang(texts.lblDS1);
    m.d.lblDS2 = m.lang(texts.lblDS2);
    m.w.TextReaccio = m.lang(texts.TextReaccio);
    Reconstruir(m);
    ReprendreDades(m);
}

void PrepararReaccio(TarvonModel& m) {
    EstatInicial(m);
    m.d.picPortada = false;
    for (const char* item : {"mnuAccions", "mnuEines", "mnuCine", "CineDadesCrono", "CineDades05",
                             "CineDades1", "CineDades2", "CineDades5", "CineDades10"})
        m.menus.enable(item);
    for (const char* item : {"CineEsborrar", "CineNoDades", "CineTornar"})
        m.menus.disable(item);
    EnableKineticsItems(m.menus, false);
    m.d.picRI = true;
    m.d.txt = {};
    ShowCounterBoxes(m);
}

void ShowCounterBoxes(TarvonModel& m) {
    const std::size_t shown = m.s.Reaccio != nullptr ? m.s.Reaccio->counters.size() : 0;
    for (std::size_t k = 0; k < 4; ++k)
        m.d.txt[k] = k < shown;
}

void BuidarSistemaFinestra(TarvonModel& m) {
    m.s.NPUs = m.s.NombreP;
    m.s.FactorVel = m.s.DistEnllac * m.s.Escala / (m.s.FactorDiam + m.s.FactorDiam);
    MidaCaixaFinestra(m);
    m.d.lblTipus = false;
    m.d.lblPropietatsCaption = m.w.TextReaccio;
    m.d.lblPropietats = true;
    BuidarSistema(m.s);
}

void Reconstruir(TarvonModel& m) {
    BuidarSistemaFinestra(m);
    Crea_Poblacio(m.s, m.rnd, seedFrom(m.clock));
    ReprendreAnimacio(m); // the ticks draw the new particles
}

} // namespace tarvon

#include "window/mechanism_view.h"

#include "reactions/mechanism_continue.h"
#include "reactions/reaction_settings.h"
#include "window/freeze_marking.h"
#include "window/kinetics_commands.h"
#include "window/particle_settings.h"
#include "window/reaction_choice.h"

#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace tarvon {

namespace {

constexpr std::int16_t kNoCapture = 10000;

void menusForView(MenuStates& menus) {
    menus.enable("CineTornar");
    for (const char* item : {"CineMeca", "mnuAccions", "mnuEines", "mnuReaccions", "CineDades",
                             "CineEsborrar", "CineNoDades"})
        menus.disable(item);
    EnableKineticsItems(menus, true);
}

void menusForReactions(MenuStates& menus) {
    for (const char* item : {"mnuAccions", "mnuEines", "mnuReaccions", "CineMeca", "CineDades"})
        menus.enable(item);
    menus.disable("CineTornar");
    EnableKineticsItems(menus, false);
}

// A place in twips for the reference screen, scaled to this one. FontSize 0:
// the layout's font stays.
ControlGeometry scaled(const TarvonModel& m, float left, float top, float width, float height) {
    const float f = m.w.FactorPantalla;
    ControlGeometry place;
    place.Left = left * f;
    place.Top = top * f;
    place.Width = width * f;
    place.Height = height * f;
    return place;
}

// The explanation takes the place of the counters, to the right of the box.
void showExplanation(TarvonModel& m) {
    for (int k = 0; k <= 3; ++k)
        m.d.txt[k] = false;
    m.d.lblPropietatsPlace = scaled(m, 10600, 5500, 4400, 4000);
    m.d.lblPropietatsCaption = m.w.TextMecanisme;
}

// The description under the counters, from the same figures on every screen
// class (the narrow layout's own base is for the window's load only).
void showDescription(TarvonModel& m) {
    m.d.lblPropietatsPlace = scaled(m, 10400, 7730, 4800, 3400);
    m.d.lblPropietatsCaption = m.w.TextReaccio;
    m.d.lblPropietats = true;
}

// Only the two diameters the menu offers are restored with a rebuild.
void restoreDiameter(TarvonModel& m) {
    m.s.FactorDiam = m.w.FactorDiamDesat;
    if (m.s.FactorDiam == 1.0f)
        EinesDiamPreCommand(m);
    else if (m.s.FactorDiam == 1.5f)
        EinesDiam15Command(m);
}

} // namespace

void CineMeca(TarvonModel& m) {
    if (m.s.Reaccio == nullptr)
        throw std::invalid_argument("no reaction chosen"); // before anything changes
    const ReactionDescription& r = *m.s.Reaccio;
    const ReactionTexts& texts = r.texts();
    menusForView(m.menus);
    m.s.meca.MecaDemanat = true;
    m.w.FactorDiamDesat = m.s.FactorDiam;
    m.w.NombrePDesat = m.s.NombreP;
    DiamMecanisme(m.s, m.w.DiamBase);
    m.s.meca.IdxMeca.fill(kNoCapture);
    m.w.CostatNP = r.mechanismSide;
    m.w.TextMecanisme = m.lang(texts.TextMecanisme);
    m.s.NombreP = m.w.CostatNP * m.w.CostatNP;
    Reconstruir(m);
    showExplanation(m);
    m.w.Marcar = false; // the menu keeps its check mark
}

void CineTornar(TarvonModel& m) {
    menusForReactions(m.menus);
    ReprendreAnimacio(m);
    m.s.meca.CapturaEnPantalla = false;
    m.s.meca.MecaDemanat = false;
    m.s.meca.MecaCapturat = false;
    m.s.meca.MecaMostrat = false;
    m.s.NombreP = m.w.NombrePDesat;
    m.w.CostatNP = static_cast<int>(std::nearbyint(std::sqrt(static_cast<double>(m.s.NombreP))));
    restoreDiameter(m);
    ShowCounterBoxes(m);
    showDescription(m);
    if (m.menus.checked("AccionsMarcar"))
        m.w.Marcar = true;
}

void cmdContinuar(TarvonModel& m) {
    m.s.TempsEvent = m.clock.now();
    Continuar(m.s);
}

} // namespace tarvon

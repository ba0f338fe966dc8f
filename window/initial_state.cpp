#include "window/initial_state.h"

#include "reactions/reaction_description.h"

#include "window/data_commands.h"
#include "window/presentation_texts.h"

#include <cmath>

namespace tarvon {

namespace {

constexpr int kNoCapture = 10000;

// shpCara(1) exists with the box's shapes.
void hideFirstShapes(SimulationState& s) {
    s.caja.Cercle[0].visible = false;
    s.caja.shpCara[0].visible = false;
}

void takeLayoutValues(TarvonModel& m, const WindowLayout& layout) {
    m.w.DiamBase = layout.DiamBase;
    m.w.AmpladaZona = layout.AmpladaZona;
    m.w.LimitVisY = layout.LimitVisY;
    m.s.ConstCaixa = layout.ConstCaixa;
    m.s.llegenda.FactorPantalla = m.w.FactorPantalla;
}

void resetMenus(MenuStates& menus) {
    for (const char* menu : {"mnuAccions", "mnuEines", "mnuCine"})
        menus.disable(menu);
    for (const char* item : {"mnuReaccions", "EinesNPA", "EinesNPD"})
        menus.enable(item);
    menus.check("EinesNPPre");
    menus.check("EinesDiamPre");
    for (const char* item : {"EinesNPA", "EinesNPD", "EinesDiam15", "EinesVel"})
        menus.uncheck(item);
}

void hideReactionDisplay(TarvonModel& m) {
    m.d.lblDS1.clear();
    m.d.lblDS2.clear();
    m.s.llegenda.circles.clear();
    m.s.llegenda.pictures.clear();
    m.d.picRI = false;
    m.d.txt.fill(false);
    m.d.VScrollVel = false;
}

} // namespace

void FormLoad(TarvonModel& m, int NPOptim, const WindowLayout& layout) {
    m.w.NPOptim = NPOptim;
    hideFirstShapes(m.s);
    m.d.lblDS1.clear();
    m.d.lblDS2.clear();
    m.w.FactorDiamPre = 1.0f;
    m.s.FactorDiam = 1.0f;
    takeLayoutValues(m, layout);
    m.s.Escala = 1.0f;
    m.w.MultNP = 1;
    m.s.controls.tmrRellotgeInterval = 50;
    m.s.controls.tmrRellotgeEnabled = true;
    m.d.AccionsCongelar = m.lang(TX("window", "Congelar imatge"));
    AccionsInici(m);
    m.d.VScrollVel = false;
}

void AccionsInici(TarvonModel& m) {
    UseReaction(m.s, nullptr);
    m.w.MultNP = 1;
    m.s.NombreP = m.w.NPOptim;
    m.w.CostatNP = static_cast<int>(std::nearbyint(std::sqrt(static_cast<double>(m.w.NPOptim))));
    m.s.NombreMol = 0;
    m.s.NPUs = m.s.NombreP;
    m.s.FactorDiam = m.w.FactorDiamPre;
    m.w.FactorDiamDesat = m.w.FactorDiamPre;
    m.s.Diam = m.w.DiamBase;
    EstatInicial(m);
}

void EstatInicial(TarvonModel& m) {
    m.d.picPortada = true;
    m.s.caja.AtomA[0].visible = false;
    m.s.caja.AtomB[0].visible = false;
    m.s.caja.shpCara[0].visible = false;
    m.d.Caja = false;
    m.s.meca.MecaCapturat = false;
    m.s.meca.CapturaEnPantalla = false;
    m.menus.disable("ArxiuExcel");
    m.Caja.clear();
    m.s.meca.IdxMeca.fill(kNoCapture);
    m.s.TempsEvent = m.clock.now();
    EsborrarDadesFinestra(m); // Interval stays for the next choice
    m.d.lblPropietats = false;
    m.d.lblTipusCaption = PresentationCaptions(m.lang);
    if (m.s.Reaccio == nullptr)
        m.d.lblTipus = true;
    resetMenus(m.menus);
    hideReactionDisplay(m);
}

} // namespace tarvon

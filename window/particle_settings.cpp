#include "window/particle_settings.h"

#include "layout/mida_caixa.h"
#include "reactions/reaction_settings.h"
#include "window/reaction_choice.h"

#include <cmath>
#include <cstdint>

namespace tarvon {

namespace {

constexpr int kMinSide = kCostatMinim, kMaxSide = kCostatMaxim;

// Sixteen-bit arithmetic, as the particle number is kept.
void updateNombreP(TarvonModel& m) {
    m.s.NombreP = static_cast<std::int16_t>(m.w.MultNP * m.w.CostatNP * m.w.CostatNP);
}

void checkOnly(MenuStates& menus, const char* chosen, const char* other1, const char* other2) {
    menus.check(chosen);
    menus.uncheck(other1);
    if (other2)
        menus.uncheck(other2);
}

} // namespace

void EinesNPPre(TarvonModel& m) {
    m.w.CostatNP = static_cast<int>(std::nearbyint(std::sqrt(static_cast<double>(m.w.NPOptim))));
    updateNombreP(m);
    checkOnly(m.menus, "EinesNPPre", "EinesNPA", "EinesNPD");
    m.menus.enable("EinesNPA");
    m.menus.enable("EinesNPD");
    Reconstruir(m);
}

void EinesNPA(TarvonModel& m) {
    if (m.w.MultNP == 1 && m.w.CostatNP < kMaxSide) {
        ++m.w.CostatNP;
        m.menus.enable("EinesNPD");
    }
    if (m.w.MultNP == 1 && m.w.CostatNP >= kMaxSide)
        m.menus.disable("EinesNPA");
    updateNombreP(m);
    checkOnly(m.menus, "EinesNPA", "EinesNPPre", "EinesNPD");
    Reconstruir(m);
}

void EinesNPD(TarvonModel& m) {
    if (m.w.MultNP == 1 && m.w.CostatNP > kMinSide) {
        --m.w.CostatNP;
        m.menus.enable("EinesNPA");
    }
    if (m.w.MultNP == 1 && m.w.CostatNP <= kMinSide)
        m.menus.disable("EinesNPD");
    updateNombreP(m);
    checkOnly(m.menus, "EinesNPD", "EinesNPPre", "EinesNPA");
    Reconstruir(m);
}

void EinesDiamPreCommand(TarvonModel& m) {
    EinesDiamPre(m.s, m.w.DiamBase);
    checkOnly(m.menus, "EinesDiamPre", "EinesDiam15", nullptr);
    Reconstruir(m);
}

void EinesDiam15Command(TarvonModel& m) {
    EinesDiam15(m.s, m.w.DiamBase);
    checkOnly(m.menus, "EinesDiam15", "EinesDiamPre", nullptr);
    Reconstruir(m);
}

void EinesDiamAfAuCommand(TarvonModel& m) {
    EinesDiamAfAu(m.s, m.w.DiamBase);
    Reconstruir(m);
}

void EinesDiamAfDiCommand(TarvonModel& m) {
    EinesDiamAfDi(m.s, m.w.DiamBase);
    Reconstruir(m);
}

void EinesVel(TarvonModel& m) {
    const bool show = !m.menus.checked("EinesVel");
    m.d.VScrollVel = show;
    m.menus.check("EinesVel", show);
}

} // namespace tarvon

#include "window/kinetics_commands.h"

#include "window/data_commands.h"
#include "window/reaction_choice.h"

#include <stdexcept>

namespace tarvon {

void CineExperimentNou(TarvonModel& m) {
    if (m.s.Reaccio == nullptr)
        throw std::invalid_argument("no reaction chosen");
    // The table is cleared first so that it is kept with the settings it was
    // taken with; Interval stays for the new start.
    EsborrarDadesFinestra(m);
    m.menus.disable("CineEsborrar");
    m.menus.disable("CineNoDades");
    Reconstruir(m);
    ReprendreDades(m);
}

void EinesVolumConstant(TarvonModel& m) {
    m.w.VolumConstant = !m.w.VolumConstant;
    m.menus.check("EinesVolumConstant", m.w.VolumConstant);
    if (m.s.Reaccio != nullptr)
        Reconstruir(m);
}

void EnableKineticsItems(MenuStates& menus, bool mechanismView) {
    menus.enable("CineGrafica");
    menus.enable("CineAnalisi");
    menus.enable("CineExperimentNou", !mechanismView);
}

} // namespace tarvon

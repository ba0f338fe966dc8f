#include "window/projector_mode.h"

namespace tarvon {

void SetModeProjector(TarvonModel& m, bool on) {
    m.w.ModeProjector = on;
    m.menus.check("FinProjector", on);
}

void FinProjector(TarvonModel& m) {
    SetModeProjector(m, !m.w.ModeProjector);
}

double MinimumAtomDiameter(const TarvonModel& m) {
    return m.w.ModeProjector ? kProjectorAtomDiameter : 0;
}

} // namespace tarvon

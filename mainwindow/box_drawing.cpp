#include "mainwindow/box_drawing.h"

#include "engine/ccubo.h"
#include "layout/box_colours.h"
#include "mainwindow/caja_view.h"

namespace tarvon {

void DrawNormalBox(CajaView& caja, SimulationState& s) {
    caja.setBackColor(QColor(220, 255, 255));
    ColorsFonsTable fons = kColorsFons;
    CCubo().Cubo(s, caja.picture(), s.CaixaX, s.CaixaY, s.OrigenX, s.OrigenY, s.DesplX, s.DesplY, 1,
                 2, NormalViewColours(fons));
}

} // namespace tarvon

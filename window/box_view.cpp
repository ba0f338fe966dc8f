#include "window/box_view.h"

#include "engine/ccubo.h"
#include "layout/mida_caixa.h"
#include "reactions/reaction_description.h"

namespace tarvon {

void DrawNormalBox(CajaPicture& caja, SimulationState& s, ColorsFonsTable& ColorsFons) {
    caja.setBackColour({220, 255, 255});
    CCubo().Cubo(s, caja, s.CaixaX, s.CaixaY, s.OrigenX, s.OrigenY, s.DesplX, s.DesplY, 1, 2,
                 NormalViewColours(ColorsFons));
}

namespace {

MidaCaixaInputs inputs(const TarvonModel& m) {
    MidaCaixaInputs in;
    in.FactorPantalla = m.w.FactorPantalla;
    in.CostatNP = m.w.CostatNP;
    in.Escala = m.s.Escala;
    in.DistEnllac = m.s.DistEnllac;
    in.FactorDiam = m.s.FactorDiam;
    in.ConstCaixa = m.s.ConstCaixa;
    in.AmpladaZona = m.w.AmpladaZona;
    in.LimitVisY = m.w.LimitVisY;
    in.MecaDemanat = m.s.meca.MecaDemanat;
    in.VolumConstant = m.w.VolumConstant;
    in.CostatVolum = CostatMaximNP(m.w.NPOptim);
    if (m.s.Reaccio != nullptr)
        in.mechanismBox = m.s.Reaccio->mechanismBox;
    return in;
}

} // namespace

void MidaCaixaFinestra(TarvonModel& m) {
    const MidaCaixaResult r = MidaCaixa(inputs(m));
    ApplyBoxGeometry(r, m.s);
    m.Caja.place(r.Caja.Left, r.Caja.Top, r.Caja.Width, r.Caja.Height);
    m.Caja.clear();
    if (r.view == BoxView::Mechanism) {
        m.Caja.setBackColour(m.w.ColorsFons[0]);
        m.s.caja.shpCara[0].visible = false;
        m.s.caja.shpCara[1].visible = false;
    } else {
        DrawNormalBox(m.Caja, m.s, m.w.ColorsFons);
    }
    m.d.Caja = true;
}

} // namespace tarvon

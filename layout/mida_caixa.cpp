#include "layout/mida_caixa.h"

#include <algorithm>
#include <cmath>

namespace tarvon {

namespace {

// Top of Caja in the base layout, twips, before the screen-class factor.
constexpr float kCajaTopBase = 600;
constexpr float kCajaMinLeft = 170;

// Every value is kept in single precision; each expression is evaluated in
// double and rounded as it is stored.
float Single(double v) {
    return static_cast<float>(v);
}

// The mechanism view has its own few large particles and keeps its own box.
int SizingSide(const MidaCaixaInputs& in) {
    if (in.VolumConstant && !in.MecaDemanat)
        return std::max(in.CostatNP, in.CostatVolum);
    return in.CostatNP;
}

void SizeWidthAndShifts(const MidaCaixaInputs& in, MidaCaixaResult& r) {
    const double f = in.FactorPantalla;
    r.RatioPersp = Single(in.FactorDiam / 10.0 + 0.05);
    r.CaixaX = Single(SizingSide(in) * 0.9 * in.Escala * in.DistEnllac * 1.93);
    if (f * 8200 < r.CaixaX)
        r.CaixaX = Single(f * 8200);
    if (f < 1 && f * 7900 < r.CaixaX)
        r.CaixaX = Single(f * 7900);
    r.CaixaZ = r.CaixaX;
    r.DesplX = r.DesplY = Single(static_cast<double>(r.CaixaX) * r.RatioPersp);
}

void SizeHeight(const MidaCaixaInputs& in, MidaCaixaResult& r) {
    r.CaixaY =
        Single((static_cast<double>(in.AmpladaZona) - r.DesplY) * 0.64 - 40.0 * in.ConstCaixa);
    const float t = Single(in.AmpladaZona * 0.15);
    r.AjustY = t;
    // A deep box would push its back face out of the zone: flatten the shift.
    if (t < r.DesplY)
        r.DesplX = r.DesplY = Single(t * 0.9);
    if (in.MecaDemanat) {
        r.CaixaY = Single(in.FactorPantalla * 6400.0);
        r.AjustY = 0;
    }
}

void SizeVisibleArea(const MidaCaixaInputs& in, MidaCaixaResult& r) {
    const double f = in.FactorPantalla;
    const double dx = r.DesplX, dy = r.DesplY;
    r.Persp = Single(std::sqrt(dy * dy + dx * dx));
    r.AnglePersp = Single(std::atan(dy / dx));
    r.OrigenX = Single(16.0 * in.ConstCaixa);
    r.OrigenY = Single(in.AmpladaZona * 0.02);
    r.LimitVisX = Single(dx + r.CaixaX + 40.0 * in.ConstCaixa);
    r.LimitVisY = in.LimitVisY;
    if (f * 6000 > r.LimitVisX) {
        r.LimitVisX = Single(f * 6000);
        r.OrigenX =
            Single((static_cast<double>(r.LimitVisX) - r.CaixaX - dx - 8.0 * in.ConstCaixa) / 2);
    }
}

void PlaceCaja(const MidaCaixaInputs& in, MidaCaixaResult& r) {
    const double f = in.FactorPantalla;
    const float left = Single((f * 10150 - 60.0 * in.ConstCaixa - r.LimitVisX) / 2);
    r.Caja.Left = std::max(left, kCajaMinLeft);
    r.Caja.Top = Single(kCajaTopBase * f);
    r.Caja.Width = r.LimitVisX;
    r.Caja.Height = in.LimitVisY;
}

// Only the middle of a box twice the visible size shows, so collisions can be
// followed without the walls in sight.
void SizeMechanismBox(const MidaCaixaInputs& in, MidaCaixaResult& r) {
    r.view = BoxView::Mechanism;
    r.CaixaX = Single(2.0 * r.LimitVisX);
    r.CaixaZ = r.CaixaX;
    r.CaixaY = Single(2.0 * in.LimitVisY);
    r.OrigenX = Single(-0.3 * r.CaixaX);
    if (!in.mechanismBox)
        return;
    const MechanismBox& box = *in.mechanismBox;
    r.OrigenY = Single(box.originY * r.CaixaY);
    // The depth and the origins stay those of the doubled box.
    r.CaixaX = Single(box.size * r.LimitVisX);
    r.CaixaY = Single(box.size * in.LimitVisY);
}

} // namespace

int CostatMaximNP(int NPOptim) {
    const int calibrated =
        static_cast<int>(std::nearbyint(std::sqrt(static_cast<double>(NPOptim))));
    return std::max(kCostatMaxim, calibrated);
}

MidaCaixaResult MidaCaixa(const MidaCaixaInputs& in) {
    MidaCaixaResult r;
    SizeWidthAndShifts(in, r);
    SizeHeight(in, r);
    SizeVisibleArea(in, r);
    PlaceCaja(in, r);
    if (in.MecaDemanat)
        SizeMechanismBox(in, r);
    else
        r.CaixaY = Single(static_cast<double>(r.CaixaY) + r.AjustY);
    return r;
}

void ApplyBoxGeometry(const MidaCaixaResult& r, BoxGeometry& g) {
    g.CaixaX = r.CaixaX;
    g.CaixaY = r.CaixaY;
    g.CaixaZ = r.CaixaZ;
    g.OrigenX = r.OrigenX;
    g.OrigenY = r.OrigenY;
    g.DesplX = r.DesplX;
    g.DesplY = r.DesplY;
    g.Persp = r.Persp;
    g.AnglePersp = r.AnglePersp;
    g.LimitVisX = r.LimitVisX;
    g.LimitVisY = r.LimitVisY;
}

} // namespace tarvon

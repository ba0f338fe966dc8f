#pragma once

#include "engine/box_geometry.h"

#include <optional>

namespace tarvon {

// Where a reaction's mechanism view puts the box, whose middle only shows:
// OrigenY as a share of the doubled box's height (negative: above the visible
// area), then the box's width and height in visible widths and heights.
struct MechanismBox {
    double originY = 0;
    double size = 2;
};

// What the box is sized from. Lengths in twips, already scaled to the screen
// class where the window scales them (ConstCaixa, AmpladaZona, LimitVisY).
// The sides "Augmentar" and "Disminuir" step between.
inline constexpr int kCostatMinim = 8, kCostatMaxim = 15;

// The largest side the particle-number commands reach from the calibrated
// budget NPOptim: 15, or the calibrated side when it is larger.
int CostatMaximNP(int NPOptim);

struct MidaCaixaInputs {
    float FactorPantalla = 1.0f;
    int CostatNP = 9;
    float Escala = 1.0f;
    float DistEnllac = 0;
    float FactorDiam = 1.0f;
    float ConstCaixa = kConstCaixa;
    float AmpladaZona = 9700;
    float LimitVisY = 8000;
    bool MecaDemanat = false;
    // Constant volume: the normal view's box keeps the size it has at side
    // CostatVolum, so the particle number changes the concentration.
    bool VolumConstant = false;
    int CostatVolum = kCostatMaxim;
    std::optional<MechanismBox> mechanismBox; // the chosen reaction's; none without one
};

// Normal: the cube is drawn around the particles. Mechanism: the box is twice
// the visible area and no outline is drawn.
enum class BoxView { Normal, Mechanism };

// Where the picture box Caja goes, twips.
struct CajaPlacement {
    float Left = 0, Top = 0, Width = 0, Height = 0;
};

struct MidaCaixaResult {
    BoxView view = BoxView::Normal;
    float RatioPersp = 0;
    float CaixaX = 0, CaixaY = 0, CaixaZ = 0; // CaixaY as the box is finally drawn
    float DesplX = 0, DesplY = 0;
    float Persp = 0, AnglePersp = 0; // AnglePersp in radians
    float OrigenX = 0, OrigenY = 0;
    float LimitVisX = 0, LimitVisY = 0;
    float AjustY = 0; // the height correction before it was added to CaixaY
    CajaPlacement Caja;
};

// Sizes the simulation box and places Caja. Every value is single precision.
MidaCaixaResult MidaCaixa(const MidaCaixaInputs& in);

// Copies the box values into the geometry the animation reads.
void ApplyBoxGeometry(const MidaCaixaResult& r, BoxGeometry& g);

} // namespace tarvon

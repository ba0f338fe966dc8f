#pragma once

namespace tarvon {

// Thickness of the box's front strips and the unit of its margins, twips, on
// the reference screen; the window scales it with the screen class.
inline constexpr float kConstCaixa = 10.0f;

// The box inside Caja, in twips; AnglePersp in radians.
struct BoxGeometry {
    float CaixaX = 0, CaixaY = 0, CaixaZ = 0; // inner width, height, depth
    float OrigenX = 0, OrigenY = 0;           // left and top of the front face
    float DesplX = 0, DesplY = 0;             // perspective shift of the back face
    float Persp = 0, AnglePersp = 0;
    float LimitVisX = 0, LimitVisY = 0; // size of Caja, the visible area
    float ConstCaixa = kConstCaixa;
};

} // namespace tarvon

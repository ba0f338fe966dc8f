#pragma once

#include "engine/caja_canvas.h"
#include "engine/simulation_state.h"

namespace tarvon {

// The six colours of the cube: c1 most edges and the front strips, c2 the top
// edges, c3 to c6 the face fills.
struct CubeColours {
    Rgb c1, c2, c3, c4, c5, c6;
};

// Draws the box as a cube in oblique perspective on Caja's picture and sets
// up the two front strips shpCara(0) and shpCara(1).
class CCubo {
public:
    // Lx, Ly: front face size; Ix, Iy: its left and top before the vertical
    // shift; Ax, Ay: how far right and up the back face lies (all twips).
    // Lext, Lint: widths in pixels of the visible and the hidden edges.
    void Cubo(SimulationState& Frm, CajaCanvas& Caixa, float Lx, float Ly, float Ix, float Iy,
              float Ax, float Ay, int Lext, int Lint, const CubeColours& colours) const;
};

} // namespace tarvon

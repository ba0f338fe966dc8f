#include "engine/ccubo.h"

#include "engine/box_geometry.h"

namespace tarvon {

namespace {

struct CubeFrame {
    float Lx, Ly, Ix, Iy, Ax, Ay;
    float yF; // top of the front face
    float yB; // top of the back face
};

void frontFace(CajaCanvas& c, const CubeFrame& f, int w, const CubeColours& k) {
    const float right = f.Ix + f.Lx, bottom = f.yF + f.Ly;
    c.line({f.Ix, f.yF}, {right, f.yF}, k.c2, w, LineStyle::Solid);
    c.line({f.Ix, f.yF}, {f.Ix, bottom}, k.c1, w, LineStyle::Solid);
    c.line({f.Ix, bottom}, {right, bottom}, k.c1, w, LineStyle::Solid);
    c.line({right, f.yF}, {right, bottom}, k.c1, w, LineStyle::Solid);
}

// Thin transparent strips along the front face's right and top edges; the
// right one is kept above the particles.
void strips(CajaShapes& caja, const CubeFrame& f, Rgb border, float C) {
    for (long s = 0; s <= 1; ++s) {
        AtomShape& strip = caja.shpCara[s];
        strip.border = border;
        strip.borderWidth = 1;
        strip.filled = false;
        strip.top = f.yF - C;
    }
    AtomShape& right = caja.shpCara[0];
    right.left = f.Ix + f.Lx;
    right.height = f.Ly - 2 * C;
    right.width = C;
    AtomShape& top = caja.shpCara[1];
    top.left = f.Ix;
    top.height = 3 * C;
    top.width = f.Lx - 2 * C;
}

void visibleDepthEdges(CajaCanvas& c, const CubeFrame& f, int w, const CubeColours& k) {
    const float backLeft = f.Ix + f.Ax, backRight = f.Ix + f.Ax + f.Lx;
    const float frontRight = f.Ix + f.Lx, backBottom = f.Iy + f.Ly;
    c.line({f.Ix, f.yF}, {backLeft, f.yB}, k.c2, w, LineStyle::Solid);
    c.line({backLeft, f.yB}, {backRight, f.yB}, k.c2, w, LineStyle::Solid);
    c.line({frontRight, f.yF}, {backRight, f.yB}, k.c2, w, LineStyle::Solid);
    c.line({backRight, f.yB}, {backRight, backBottom}, k.c1, w, LineStyle::Solid);
    c.line({frontRight, f.yF + f.Ly}, {backRight, backBottom}, k.c1, w, LineStyle::Solid);
}

void hiddenEdges(CajaCanvas& c, const CubeFrame& f, int w, const CubeColours& k) {
    const float backLeft = f.Ix + f.Ax, backBottom = f.Iy + f.Ly;
    const auto style = LineStyle::InsideSolid;
    c.line({f.Ix, f.yF + f.Ly}, {backLeft, backBottom}, k.c1, w, style);
    // It ends at Iy even when the back top edge is lifted above it.
    c.line({backLeft, backBottom}, {backLeft, f.Iy}, k.c1, w, style);
    c.line({backLeft, backBottom}, {backLeft + f.Lx, backBottom}, k.c1, w, style);
}

TwipPoint seed(double x, double y) {
    return {static_cast<float>(x), static_cast<float>(y)};
}

void faces(CajaCanvas& c, const CubeFrame& f, const CubeColours& k) {
    const double Ix = f.Ix, Iy = f.Iy, Lx = f.Lx, Ly = f.Ly, Ax = f.Ax, Ay = f.Ay;
    c.floodFill(seed(Ix + Ax + 0.1 * Lx, Iy + 0.95 * Ly), k.c3);
    c.floodFill(seed(Ix + Ax + 0.2 * Lx, Iy + 0.5 * Ay), k.c3);
    c.floodFill(seed(Ix + 0.7 * Ax, Iy + 0.7 * Ay), k.c3);
    c.floodFill(seed(Ix + Lx + 0.5 * Ax, Iy + 0.95 * Ly), k.c4);
    c.floodFill(seed(Ix + Lx + 0.5 * Ax, Iy + Ly + 0.2 * Ay), k.c5);
    c.floodFill(seed(Ix + 0.5 * Ax, Iy + Ly), k.c6);
    c.floodFill(seed(Ix + Ax, Iy + Ly + 0.5 * Ay), k.c6);
}

} // namespace

void CCubo::Cubo(SimulationState& Frm, CajaCanvas& Caixa, float Lx, float Ly, float Ix, float Iy,
                 float Ax, float Ay, int Lext, int Lint, const CubeColours& colours) const {
    // A flat box lifts its back edge so that the top face still shows.
    const float n = Ay < 40 ? 4.0f : 0.0f;
    const CubeFrame f{Lx, Ly, Ix, Iy, Ax, Ay, Iy + Ay, Iy - n * Frm.ConstCaixa};
    frontFace(Caixa, f, Lext, colours);
    strips(Frm.caja, f, colours.c1, Frm.ConstCaixa);
    visibleDepthEdges(Caixa, f, Lext, colours);
    hiddenEdges(Caixa, f, Lint, colours);
    faces(Caixa, f, colours);
    Frm.caja.shpCara[0].visible = true;
    Frm.caja.shpCara[1].visible = true;
}

} // namespace tarvon

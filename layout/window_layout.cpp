#include "layout/window_layout.h"

#include <stdexcept>

namespace tarvon {

ControlGeometry& WindowLayout::at(const std::string& name) {
    const auto found = controls.find(name);
    if (found == controls.end())
        throw std::out_of_range("no control " + name);
    return found->second;
}

const ControlGeometry& WindowLayout::at(const std::string& name) const {
    return const_cast<WindowLayout&>(*this).at(name);
}

namespace {

std::string indexed(const char* array, int i) {
    return std::string(array) + "(" + std::to_string(i) + ")";
}

std::string txtName(int i) {
    return "txt" + std::to_string(i);
}

// Everything the layout does not set stays at these values, the design.
void addChronometerControls(WindowLayout& l) {
    // Inside the 3000 x 1500 panel.
    l.controls["lblTempus"] = {100, 40, 2800, 460, 16};
    l.controls["lblMinSeg"] = {150, 500, 2100, 260, 8};
    l.controls["lblMinuts"] = {250, 760, 800, 420, 14};
    l.controls["lblSegons"] = {1150, 760, 800, 420, 14};
    l.controls["lblCent"] = {1950, 840, 450, 340, 10};
    l.controls["cmdIniciCrono"] = {2500, 790, 330, 330, 0};
    l.controls["cmdTancarCrono"] = {1950, 1200, 900, 260, 8};
}

} // namespace

WindowLayout DesignLayout() {
    WindowLayout l;
    // The title labels are placed from this position, before the box is sized.
    l.controls["Caja"] = {840, 120, 4575, 6135, 0};
    l.controls["cmdContinuar"] = {8000, 9000, 1200, 375, 0};
    l.controls["lblDS1"] = {600, 8500, 2000, 240, 0};
    l.controls["lblDS2"] = {600, 8800, 2000, 240, 0};
    l.controls["lblPropietats"] = {10000, 7000, 4000, 3000, 0};
    l.controls["lblVelocitat"] = {10000, 4800, 1000, 600, 0};
    for (int i = 0; i <= 6; ++i)
        l.controls[indexed("lblTipus", i)] = {9300, 600 + 1000.0f * i, 5000, 600, 0};
    l.controls["picCrono"] = {11000, 4000, 3000, 1500, 0};
    l.controls["picPortada"] = {300, 600, 0, 0, 0};
    l.controls["picRI(0)"] = {0, 0, 0, 0, 0};
    l.controls["picRI(1)"] = {0, 0, 0, 0, 0};
    for (int i = 0; i <= 4; ++i)
        l.controls[txtName(i)] = {11000, 5600 + 400.0f * i, 3500, 380, 0};
    l.controls["txtDades"] = {10400, 600, 4000, 3000, 0};
    l.controls["VScrollVel"] = {10400, 5500, 375, 2000, 0};
    addChronometerControls(l);
    return l;
}

namespace {

void placeLabels(WindowLayout& l) {
    const ControlGeometry& caja = l.at("Caja");
    l.at("lblDS1") = {caja.Left + 100, caja.Top + 8100, 2000, 240, 12};
    l.at("lblDS2") = {caja.Left + 100, caja.Top + 8400, 2000, 240, 12};
    l.at("lblPropietats") = {10400, 7730, 4800, 3400, 13};
    l.at("lblVelocitat") = {10120, 4900, 1000, 600, 10};
}

void placeTipus(WindowLayout& l) {
    for (int i = 0; i <= 6; ++i) {
        ControlGeometry& t = l.at(indexed("lblTipus", i));
        t.Left = 10000;
        t.Width = 5200;
        t.FontSize = 13;
    }
    struct Row {
        int i;
        float left, top, width, height; // 0: left as it is
    };
    constexpr Row rows[] = {{0, 9300, 3000, 0, 700},     {1, 9600, 4000, 5500, 900},
                            {2, 0, 4900, 0, 900},        {3, 0, 5800, 0, 400},
                            {4, 9600, 6500, 5500, 3500}, {5, 9300, 600, 5500, 1000},
                            {6, 9300, 1800, 5500, 1000}};
    for (const Row& r : rows) {
        ControlGeometry& t = l.at(indexed("lblTipus", r.i));
        if (r.left != 0)
            t.Left = r.left;
        if (r.width != 0)
            t.Width = r.width;
        t.Top = r.top;
        t.Height = r.height;
    }
}

void placeData(WindowLayout& l) {
    l.at("picCrono") = {11900, 4000, 3000, 1500, 0};
    l.at("picRI(0)").Top = 100;
    l.at("picRI(1)").Top = 100;
    for (int i = 0; i <= 4; ++i)
        l.at(txtName(i)) = {11200, 5600 + 400.0f * i, 3800, 380, 10};
    l.at("txtDades") = {10440, 680, 4500, 3000, 8};
    l.at("VScrollVel") = {10400, 5500, 375, 2000, 0};
}

} // namespace

void DisposicioBase(WindowLayout& l) {
    l.FontSize = 12;
    l.AmpladaZona = 9700;
    l.LimitVisY = 8000;
    l.at("Caja").Top = 600;
    l.at("cmdContinuar") = {8400, 9500, 1300, 375, 8};
    placeLabels(l);
    placeTipus(l);
    placeData(l);
    l.picPortada = "Arxius_orvalis/ComplexActivat5.jpg";
}

namespace {

// Which properties of a control the scaling multiplies.
struct Scaled {
    bool position = true, size = true, font = true;
};

void scale(WindowLayout& l, const std::string& name, float f, Scaled what = {}) {
    ControlGeometry& c = l.at(name);
    if (what.position) {
        c.Left *= f;
        c.Top *= f;
    }
    if (what.size) {
        c.Width *= f;
        c.Height *= f;
    }
    if (what.font)
        c.FontSize *= f;
}

void scaleControls(WindowLayout& l, float f) {
    constexpr Scaled noFont{true, true, false};
    for (const char* name : {"cmdContinuar", "lblDS1", "lblDS2"})
        scale(l, name, f);
    if (f < 1) {
        ControlGeometry& p = l.at("lblPropietats");
        p.Left = 9800;
        p.Width = 5400;
        p.Top = 7500;
    }
    scale(l, "lblPropietats", f);
    for (int i = 0; i <= 6; ++i)
        scale(l, indexed("lblTipus", i), f);
    scale(l, "lblVelocitat", f);
    if (f < 1)
        l.picPortada = "Arxius_orvalis/ComplexActivat800.jpg";
    scale(l, "picPortada", f, {true, false, false});
    l.at("picRI(0)").Top *= f;
    l.at("picRI(1)").Top *= f;
    for (int i = 0; i <= 4; ++i)
        scale(l, txtName(i), f);
    scale(l, "txtDades", f);
    scale(l, "VScrollVel", f, noFont);
    scale(l, "picCrono", f, noFont);
    for (const char* name : {"lblMinuts", "lblSegons", "lblCent", "lblMinSeg", "lblTempus"})
        scale(l, name, f);
    scale(l, "cmdIniciCrono", f, noFont);
    scale(l, "cmdTancarCrono", f);
}

} // namespace

void EscalaFinestra(WindowLayout& l, float f) {
    l.FontSize *= f;
    l.DiamBase *= f;
    l.LimitVisY *= f;
    l.AmpladaZona *= f;
    l.ConstCaixa *= f;
    l.at("Caja").Top *= f;
    scaleControls(l, f);
}

WindowLayout LayoutFor(float FactorPantalla, bool CanviPantalla) {
    WindowLayout l = DesignLayout();
    DisposicioBase(l);
    if (CanviPantalla)
        EscalaFinestra(l, FactorPantalla);
    return l;
}

} // namespace tarvon

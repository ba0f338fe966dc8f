#pragma once

#include <map>
#include <string>

namespace tarvon {

// Where a control of the main window sits, twips, and its font size in
// points (0: the window's font).
struct ControlGeometry {
    float Left = 0, Top = 0, Width = 0, Height = 0;
    float FontSize = 0;
};

// The main window's layout for one screen class. Controls are named as the
// window names them: "cmdContinuar", "lblTipus(3)", "txt2", "lblMinuts"...
// The chronometer's own controls are placed inside picCrono.
struct WindowLayout {
    float FontSize = 12;
    float AmpladaZona = 9700; // horizontal extent the box is sized in
    float LimitVisY = 8000;   // height of Caja
    float DiamBase = 150;
    float ConstCaixa = 10;
    std::string picPortada = "Arxius_orvalis/ComplexActivat5.jpg";
    std::map<std::string, ControlGeometry> controls;

    ControlGeometry& at(const std::string& name);
    const ControlGeometry& at(const std::string& name) const;
};

// The controls as they are created, before any layout.
WindowLayout DesignLayout();

// The reference screen's positions, applied in order.
void DisposicioBase(WindowLayout& l);

// Scales what the layout handles by the screen factor f; narrow screens get
// their own base for lblPropietats and a smaller presentation picture.
void EscalaFinestra(WindowLayout& l, float f);

// The whole layout for a screen class: DisposicioBase, then EscalaFinestra
// when the layout must change.
WindowLayout LayoutFor(float FactorPantalla, bool CanviPantalla);

} // namespace tarvon

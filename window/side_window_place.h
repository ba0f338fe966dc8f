#pragma once

namespace tarvon {

// A rectangle in twips.
struct TwipRect {
    float Left = 0, Top = 0, Width = 0, Height = 0;
};

// A window beside the main one, where the help window goes, at the size it
// asks for on the reference screen scaled by FactorPantalla, moved left or up
// and then shrunk until it lies on the screen.
TwipRect SideWindowPlace(float FactorPantalla, float width, float height, const TwipRect& screen);

} // namespace tarvon

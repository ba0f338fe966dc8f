#pragma once

namespace tarvon {

// How the screen compares with the 1024-pixel reference layout.
struct ScreenClass {
    float FactorPantalla = 1.0f; // 1.0, 1.125 or 0.78125
    bool CanviPantalla = false;  // the layout must be rescaled
    // The factor was fitted to the screen rather than taken from the class;
    // the window centres its layout.
    bool fitted = false;
};

// Classifies the width a maximised window gets, in twips: above 16000 (1152
// pixels and more) scales up by 1152/1024, below 14000 (800 pixels and less)
// scales down by 800/1024.
ScreenClass ClassifyScreen(double widthTwips);

} // namespace tarvon

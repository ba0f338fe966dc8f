#pragma once

#include "layout/box_colours.h"
#include "layout/window_layout.h"

#include <array>
#include <optional>
#include <string>

namespace tarvon {

// Window-level settings the commands share.
struct WindowSettings {
    int NPOptim = 81;           // particles this computer animates, from the calibration
    int CostatNP = 9;           // particles per side of the lattice
    int MultNP = 1;             // always 1 here
    bool VolumConstant = false; // the box keeps the size of the largest particle number
    bool Marcar = false;
    float DiamBase = 150; // scaled with the screen class
    float FactorDiamPre = 1.0f;
    float FactorDiamDesat = 1.0f; // diameter factor restored after the mechanism view
    float FactorPantalla = 1.0f;
    float AmpladaZona = 9700;
    float LimitVisY = 8000;
    std::string TextReaccio, TextCinetica, TextMecanisme;
    char SeparadorDecimal = ','; // of the user's locale, for the data table
    int NombrePDesat = 0;        // particle number restored after the mechanism view
    ColorsFonsTable ColorsFons = kColorsFons;
    bool ModeProjector = false; // larger atoms and texts
};

// What the window shows besides the box and the menus; the view mirrors it.
struct WindowDisplay {
    bool picPortada = true;
    bool Caja = false;
    bool lblTipus = false;
    std::array<std::string, 7> lblTipusCaption;
    std::string lblDS1, lblDS2;
    bool lblPropietats = false;
    std::string lblPropietatsCaption = "Propietats";
    // Twips; empty where the screen layout places it.
    std::optional<ControlGeometry> lblPropietatsPlace;
    std::array<bool, 5> txt{}; // txt0 to txt4
    bool txtDades = false;
    bool picRI = false;
    std::array<std::string, 2> picRIFile;
    bool VScrollVel = false; // with lblVelocitat
    bool picCrono = false;
    std::string lblTempus = "Tempus fugit";
    std::string AccionsCongelar = "Congelar imatge";
};

} // namespace tarvon

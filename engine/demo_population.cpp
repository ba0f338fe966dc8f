#include "engine/demo_population.h"

#include "engine/catom.h"
#include "engine/orienta.h"

#include <cmath>

namespace tarvon {

void SetDemoBox(SimulationState& s) {
    // Box of the reference screen with CostatNP 12 and a bond of 200.
    s.CaixaX = 4168.8f;
    s.CaixaY = 6862.7952f;
    s.CaixaZ = s.CaixaX;
    s.DesplX = 625.32f;
    s.DesplY = 625.32f;
    s.Persp = std::sqrt(s.DesplX * s.DesplX + s.DesplY * s.DesplY);
    s.AnglePersp = std::atan(s.DesplY / s.DesplX);
    s.OrigenX = 562.94f;
    s.OrigenY = 194;
}

void CreaPoblacioDemo(SimulationState& s, UniformRandom& rnd, int molecules) {
    const CAtom atoms;
    rnd.reseedFromClock();
    s.Reaccio = "HI";
    s.Diam = 150;
    s.DistEnllac = 255;
    s.FactorEnllac = 0.85f;
    s.NumA = s.NumB = s.NombreMol = molecules;
    atoms.Crea_AtomsA(s, molecules);
    atoms.Crea_AtomsB(s, molecules);
    atoms.Propietats_AtomsA(s, 1.33f * s.Diam, molecules, {0, 190, 255}, {0, 0, 255});
    atoms.Propietats_AtomsB(s, 0.37f * s.Diam, molecules, {255, 100, 0}, {0, 0, 255});
    for (int i = 0; i < molecules; ++i) {
        s.TaulaMol(i, 0) = 0;
        s.TaulaMol(i, 1) = static_cast<std::int16_t>(i);
        s.TaulaMol(i, 2) = static_cast<std::int16_t>(i);
        s.MidaMol[i] = 2 * s.RadiA[i];
        s.EnSolid[i] = false;
        Orienta(s, rnd, i, static_cast<float>(rnd.next() * 181));
        const float L = s.RadiA[i] + s.RadiB[i];
        s.PosX[i] = static_cast<float>(std::floor((s.CaixaX - 2 * L) * rnd.next()) + s.OrigenX + L);
        s.PosY[i] = static_cast<float>(std::floor((s.CaixaY - 2 * L) * rnd.next()) + s.OrigenY + L);
        s.PosZ[i] = static_cast<float>(std::floor((s.CaixaZ - 2 * L) * rnd.next()) + L);
        const double speed = 20 + 40 * rnd.next(); // twips per tick
        const double phi = 2 * 3.14159265358979 * rnd.next();
        const double cosTheta = 2 * rnd.next() - 1;
        const double sinTheta = std::sqrt(1 - cosTheta * cosTheta);
        s.VelX[i] = static_cast<float>(speed * sinTheta * std::cos(phi));
        s.VelY[i] = static_cast<float>(speed * sinTheta * std::sin(phi));
        s.VelZ[i] = static_cast<float>(speed * cosTheta);
    }
}

} // namespace tarvon

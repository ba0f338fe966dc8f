#include "reactions/hi/hi.h"
#include "reactions/nh3/nh3.h"
#include "window/data_commands.h"
#include "window/particle_settings.h"
#include "window/reaction_choice.h"
#include "window_fixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarvon {
namespace {

using test::LoadedWindow;

double volume(const SimulationState& s) {
    return static_cast<double>(s.CaixaX) * s.CaixaY * s.CaixaZ;
}

// Particles per volume at each side from 8 to 15, stepping up with "Augmentar".
std::vector<double> concentrations(LoadedWindow& w, std::vector<double>& volumes) {
    while (w.m.w.CostatNP > kCostatMinim)
        EinesNPD(w.m);
    std::vector<double> n;
    for (;;) {
        volumes.push_back(volume(w.m.s));
        n.push_back(w.m.s.NombreP / volume(w.m.s));
        if (w.m.w.CostatNP >= kCostatMaxim)
            return n;
        EinesNPA(w.m);
    }
}

TEST(VolumConstant, ConcentrationFollowsTheParticleNumberOnlyWhenOn) {
    LoadedWindow on(81);
    on.m.w.VolumConstant = true;
    TriaReaccio(on.m, kHI);
    std::vector<double> volumesOn;
    const std::vector<double> cOn = concentrations(on, volumesOn);
    for (std::size_t k = 0; k < cOn.size(); ++k) {
        const int side = kCostatMinim + static_cast<int>(k);
        EXPECT_DOUBLE_EQ(volumesOn[k], volumesOn.back()) << side;
        EXPECT_NEAR(cOn[k] / cOn.back(), side * side / 225.0, 1e-12) << side;
    }

    LoadedWindow off(81);
    TriaReaccio(off.m, kHI);
    std::vector<double> volumesOff;
    concentrations(off, volumesOff);
    // Off, every box is sized from its own side: smaller for fewer particles,
    // and the largest one is the box constant volume keeps.
    for (std::size_t k = 1; k < volumesOff.size(); ++k)
        EXPECT_LT(volumesOff[k - 1], volumesOff[k]);
    EXPECT_DOUBLE_EQ(volumesOff.back(), volumesOn.back());
}

TEST(VolumConstant, TheBoxIsThatOfTheLargestSideTheBudgetReaches) {
    EXPECT_EQ(CostatMaximNP(81), 15);
    EXPECT_EQ(CostatMaximNP(225), 15);
    EXPECT_EQ(CostatMaximNP(400), 20);

    // A calibrated 400: the box of side 20, whatever side is set.
    LoadedWindow big(400);
    big.m.w.VolumConstant = true;
    TriaReaccio(big.m, kNH3);
    const float width = big.m.s.CaixaX;
    EinesNPD(big.m);
    EinesNPD(big.m);
    EXPECT_EQ(big.m.s.CaixaX, width);
    MidaCaixaInputs side20;
    side20.CostatNP = 20;
    side20.DistEnllac = big.m.s.DistEnllac;
    EXPECT_EQ(MidaCaixa(side20).CaixaX, width);

    // The diameter still sizes the box: larger particles, larger box.
    LoadedWindow small(81);
    small.m.w.VolumConstant = true;
    TriaReaccio(small.m, kHI);
    const float before = small.m.s.CaixaX;
    EinesDiam15Command(small.m);
    EXPECT_GT(small.m.s.CaixaX, before);
}

TEST(VolumConstant, OffLeavesEveryBoxValueAsBefore) {
    for (int side = 5; side <= 20; ++side) {
        for (bool meca : {false, true}) {
            MidaCaixaInputs plain;
            plain.CostatNP = side;
            plain.DistEnllac = 255;
            plain.MecaDemanat = meca;
            MidaCaixaInputs flagged = plain;
            flagged.CostatVolum = 15;
            const MidaCaixaResult a = MidaCaixa(plain), b = MidaCaixa(flagged);
            EXPECT_TRUE(a.CaixaX == b.CaixaX && a.CaixaY == b.CaixaY && a.CaixaZ == b.CaixaZ &&
                        a.OrigenX == b.OrigenX && a.LimitVisX == b.LimitVisX &&
                        a.Caja.Left == b.Caja.Left)
                << side;
            // The mechanism view keeps its own box even when on.
            flagged.VolumConstant = true;
            if (meca) {
                EXPECT_EQ(MidaCaixa(flagged).CaixaX, a.CaixaX) << side;
            }
        }
    }
}

TEST(RunSettings, ANewTableKeepsTheSettingsItWasBegunWith) {
    LoadedWindow w(144);
    TriaReaccio(w.m, kHI);
    EinesDiam15Command(w.m);
    w.m.w.VolumConstant = true;
    w.m.s.controls.tmrRellotgeInterval = 30;
    CineDades(w.m, 1.0f);
    const RunSettings& r = w.m.data.Taula.settings;
    EXPECT_EQ(r.Reaccio, "HI");
    EXPECT_EQ(r.particles, 144);
    EXPECT_FLOAT_EQ(r.diameter, 1.5f);
    EXPECT_EQ(r.speed, 30);
    EXPECT_TRUE(r.VolumConstant);
    EXPECT_NE(r.started, 0);
    EXPECT_EQ(RunLabel(r), "144 partícules, 1,5:1, velocitat 30, volum constant");

    // Rows taken, then another interval: the same table, its settings kept.
    w.m.data.NombreRegistres = 3;
    w.m.s.controls.tmrRellotgeInterval = 80;
    CineDades(w.m, 1.0f);
    EXPECT_EQ(w.m.data.Taula.settings.speed, 30);
}

TEST(RunSettings, LabelsNameTheDiameterAsTheMenuDoes) {
    EXPECT_EQ(DiameterText(1.0f), "1:1");
    EXPECT_EQ(DiameterText(1.5f), "1,5:1");
    EXPECT_EQ(DiameterText(1.0f * 1.01f * 1.01f), "1,02:1");
    EXPECT_EQ(DiameterText(0.95f, '.'), "0.95:1");
    EXPECT_EQ(RunLabel({"NH3", 81, 1.0f, 50, false, 0}), "81 partícules, 1:1, velocitat 50");
    EXPECT_EQ(StartedText(0), "");
    EXPECT_EQ(StartedText(86400 * 365).size(), 16u);
}

} // namespace
} // namespace tarvon

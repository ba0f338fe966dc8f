#include "reactions/hi/hi.h"
#include "window/data_commands.h"
#include "window/particle_settings.h"
#include "window/reaction_choice.h"
#include "window_fixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarvon {
namespace {

using test::LoadedWindow;

// Box volumes at every side from 8 to 15, stepping up with "Augmentar".
std::vector<double> volumes(LoadedWindow& w) {
    while (w.m.w.CostatNP > kCostatMinim)
        EinesNPD(w.m);
    std::vector<double> v;
    for (;; EinesNPA(w.m)) {
        v.push_back(static_cast<double>(w.m.s.CaixaX) * w.m.s.CaixaY * w.m.s.CaixaZ);
        if (w.m.w.CostatNP >= kCostatMaxim)
            return v;
    }
}

// On, N / V follows N; off, each particle number has its own box, the largest
// being the one constant volume keeps.
TEST(VolumConstant, ConcentrationFollowsTheParticleNumberOnlyWhenOn) {
    LoadedWindow on(81), off(81);
    on.m.w.VolumConstant = true;
    TriaReaccio(on.m, kHI);
    TriaReaccio(off.m, kHI);
    const std::vector<double> vOn = volumes(on), vOff = volumes(off);
    for (std::size_t k = 0; k < vOn.size(); ++k)
        EXPECT_DOUBLE_EQ(vOn[k], vOn.back()) << k;
    for (std::size_t k = 1; k < vOff.size(); ++k)
        EXPECT_LT(vOff[k - 1], vOff[k]);
    EXPECT_DOUBLE_EQ(vOff.back(), vOn.back());

    // A calibrated 400 reaches side 20: its box, whatever side is set.
    EXPECT_EQ(CostatMaximNP(81), 15);
    EXPECT_EQ(CostatMaximNP(400), 20);
    LoadedWindow big(400);
    big.m.w.VolumConstant = true;
    TriaReaccio(big.m, kHI);
    EinesNPD(big.m);
    MidaCaixaInputs side20;
    side20.CostatNP = 20;
    side20.DistEnllac = big.m.s.DistEnllac;
    EXPECT_EQ(big.m.s.CaixaX, MidaCaixa(side20).CaixaX);
}

TEST(VolumConstant, OffChangesNoBoxValueAndTheMechanismViewKeepsItsBox) {
    for (int side = 5; side <= 20; ++side) {
        for (bool meca : {false, true}) {
            MidaCaixaInputs plain;
            plain.CostatNP = side;
            plain.DistEnllac = 255;
            plain.MecaDemanat = meca;
            MidaCaixaInputs other = plain;
            other.CostatVolum = 15;
            other.VolumConstant = meca; // on, but in the mechanism view
            const MidaCaixaResult a = MidaCaixa(plain), b = MidaCaixa(other);
            EXPECT_TRUE(a.CaixaX == b.CaixaX && a.CaixaY == b.CaixaY && a.CaixaZ == b.CaixaZ &&
                        a.OrigenX == b.OrigenX && a.LimitVisX == b.LimitVisX &&
                        a.Caja.Left == b.Caja.Left)
                << side << (meca ? " mechanism" : "");
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
    EXPECT_TRUE(r.Reaccio == "HI" && r.particles == 144 && r.speed == 30 && r.started != 0);
    EXPECT_EQ(RunLabel(r, Catala()), "144 partícules, 1,5:1, velocitat 30, volum constant");
    EXPECT_EQ(DiameterText(1.0f * 1.01f * 1.01f), "1,02:1");

    // Rows taken, then another interval: the same table, its settings kept.
    w.m.data.NombreRegistres = 3;
    w.m.s.controls.tmrRellotgeInterval = 80;
    CineDades(w.m, 2.0f);
    EXPECT_EQ(w.m.data.Taula.settings.speed, 30);
}

} // namespace
} // namespace tarvon

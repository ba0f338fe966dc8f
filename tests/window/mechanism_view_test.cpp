#include "engine/animation_step.h"
#include "engine/tick_invariants.h"
#include "window/freeze_marking.h"
#include "window/mechanism_view.h"
#include "window/particle_settings.h"
#include "window/reaction_choice.h"
#include "reactions/atom_colours.h"
#include "reactions/feo/feo.h"
#include "reactions/hgo/hgo.h"
#include "reactions/hi/hi.h"
#include "reactions/mechanism_continue.h"
#include "reactions/nh3/nh3.h"
#include "reactions/reaction_rules.h"
#include "reactions/registry.h"
#include "window_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <utility>

namespace tarvon {
namespace {

using test::LoadedWindow;

// A reaction in the mechanism view, animated by the real rules; the
// population's seed comes from the clock.
struct ViewRun {
    explicit ViewRun(const ReactionDescription& r, double clockStart = 10) {
        w.clock.t = clockStart;
        TriaReaccio(w.m, r);
        CineMeca(w.m);
    }
    // Ticks until a capture stops the timer, at most maxTicks (or a failure);
    // `each` checks every tick.
    bool untilFrozen(int maxTicks, const std::function<void()>& each = nullptr) {
        for (int k = 0; k < maxTicks && !::testing::Test::HasFailure(); ++k) {
            w.clock.t += 0.05;
            std::string error;
            EXPECT_TRUE(step.guardedTick(&error)) << error;
            if (each)
                each();
            if (!s.controls.tmrRellotgeEnabled)
                return true;
        }
        return false;
    }
    LoadedWindow w;
    SimulationState& s = w.m.s;
    ReactionRules rules{w.clock, w.rnd};
    AnimationStep step{s, w.clock, w.rnd, rules};
};

bool running(const SimulationState& s) {
    return s.controls.tmrRellotgeEnabled && !s.meca.CapturaEnPantalla;
}

bool normal(const AtomShape& a, Rgb fill, float diameter) {
    return a.fill == fill && a.width == diameter && a.height == diameter &&
           a.border == ColorsEspecie(6) && a.borderWidth == 1 && a.visible;
}

TEST(MechanismView, EnteringRebuildsFewLargeParticlesWithTheExplanation) {
    LoadedWindow w(81, 1.125f);
    TriaReaccio(w.m, kHgO);
    EXPECT_EQ(w.m.s.NumB, 48);
    AccionsMarcar(w.m);
    CineMeca(w.m);
    EXPECT_TRUE(w.m.s.NombreP == 9 && w.m.w.CostatNP == 3 && w.m.s.NumB == 8);
    EXPECT_TRUE(w.m.s.Diam == 4 * w.m.w.DiamBase && w.m.s.meca.MecaDemanat);
    EXPECT_TRUE(w.picture.back == w.m.w.ColorsFons[0] && w.picture.lines == 0); // no cube
    EXPECT_TRUE(w.m.menus.enabled("CineTornar"));
    for (const char* off : {"CineMeca", "mnuAccions", "mnuEines", "mnuReaccions", "CineDades",
                            "CineEsborrar", "CineNoDades"})
        EXPECT_FALSE(w.m.menus.enabled(off)) << off;
    EXPECT_EQ(w.m.d.txt, (std::array<bool, 5>{}));
    const ControlGeometry p = w.m.d.lblPropietatsPlace.value_or(ControlGeometry{});
    EXPECT_TRUE(p.Left == 11925 && p.Top == 6187.5f && p.Width == 4950 && p.Height == 4500);
    EXPECT_EQ(w.m.d.lblPropietatsCaption, kHgO.texts().TextMecanisme.source);
    EXPECT_TRUE(!w.m.w.Marcar && w.m.menus.checked("AccionsMarcar"));
}

TEST(MechanismView, LeavingRestoresDiameterNumberMarkingAndDisplay) {
    LoadedWindow w;
    TriaReaccio(w.m, kHI);
    EinesDiam15Command(w.m);
    AccionsMarcar(w.m);
    CineMeca(w.m);
    w.m.s.controls = {false, 50}; // a capture on show
    w.m.s.meca.CapturaEnPantalla = true;
    w.m.s.meca.MecaMostrat = w.m.s.meca.MecaCapturat = true;
    CineTornar(w.m);
    const SimulationState& s = w.m.s;
    EXPECT_TRUE(s.FactorDiam == 1.5f && s.Diam == 225 && w.m.menus.checked("EinesDiam15"));
    EXPECT_FALSE(w.m.menus.checked("EinesDiamPre"));
    EXPECT_TRUE(s.NombreP == 81 && w.m.w.CostatNP == 9 && s.NombreMol == 40 && w.m.w.Marcar);
    EXPECT_FALSE(s.meca.MecaDemanat || s.meca.MecaCapturat || s.meca.MecaMostrat);
    EXPECT_TRUE(running(s) && w.picture.lines > 0);
    for (const char* on : {"mnuAccions", "mnuEines", "mnuReaccions", "CineMeca", "CineDades"})
        EXPECT_TRUE(w.m.menus.usable(on)) << on;
    EXPECT_FALSE(w.m.menus.enabled("CineTornar"));
    EXPECT_EQ(w.m.d.txt, (std::array<bool, 5>{true, true, true, true, false}));
    EXPECT_EQ(w.m.d.lblPropietatsCaption, w.m.w.TextReaccio);

    LoadedWindow many(144);
    TriaReaccio(many.m, kFeO);
    CineMeca(many.m);
    CineTornar(many.m);
    EXPECT_TRUE(many.m.s.NombreP == 144 && many.m.w.CostatNP == 12 && many.m.s.Diam == 150);
    EXPECT_TRUE(many.m.menus.checked("EinesDiamPre") && !many.m.menus.checked("EinesDiam15"));
    EXPECT_FALSE(many.m.w.Marcar || many.m.d.txt[3]);

    LoadedWindow tuned; // a factor the menu does not offer: no rebuild
    TriaReaccio(tuned.m, kNH3);
    CineMeca(tuned.m);
    tuned.m.w.FactorDiamDesat = 1.2f;
    CineTornar(tuned.m);
    EXPECT_TRUE(tuned.m.s.Diam == 600 && tuned.m.d.lblPropietatsCaption == tuned.m.w.TextReaccio);
}

// Leaving puts the description at the same figures scaled on every screen
// class (on the narrow one that is not the load's narrow base), and it ends
// inside the screen's width: 800, 1024 and 1152 pixels.
TEST(MechanismView, LeavingPlacesTheDescriptionFromOneBaseOnEveryScreen) {
    for (const auto& [f, screenTwips] :
         {std::pair{1.0f, 15360.0f}, {0.78125f, 12000.0f}, {1.125f, 17280.0f}}) {
        LoadedWindow w(81, f);
        TriaReaccio(w.m, kNH3);
        CineMeca(w.m);
        CineTornar(w.m);
        ASSERT_TRUE(w.m.d.lblPropietatsPlace.has_value()) << f;
        const ControlGeometry p = *w.m.d.lblPropietatsPlace;
        EXPECT_TRUE(p.Left == 10400 * f && p.Top == 7730 * f) << f;
        EXPECT_TRUE(p.Width == 4800 * f && p.Height == 3400 * f) << f;
        EXPECT_LE(p.Left + p.Width, screenTwips) << f;
    }
}

// Without a capture the flags are off and IdxMeca holds the empty mark.
TEST(MechanismView, ContinuarWithoutACaptureRestacksIronAndRestartsOnly) {
    for (const ReactionDescription* r : Reactions()) {
        ViewRun run(*r);
        run.s.controls = {false, 50};
        run.s.meca.CapturaEnPantalla = true;
        run.s.caja.AtomB.bringToFront(0); // bare iron goes back behind the gas
        ASSERT_NO_THROW(Continuar(run.s)) << r->key;
        EXPECT_TRUE(running(run.s));
        const CajaShapes& c = run.s.caja;
        EXPECT_TRUE(r != &kFeO || c.AtomB[0].stackKey < c.AtomA[run.s.NumA - 1].stackKey);
    }
    ViewRun broken(kHgO);
    broken.s.meca.MecaCapturat = true;
    broken.s.controls = {false, 50};
    broken.s.meca.CapturaEnPantalla = true;
    EXPECT_THROW(Continuar(broken.s), IndexOutOfRange);
    EXPECT_TRUE(running(broken.s) && !broken.s.meca.MecaCapturat); // not stuck
}

TEST(MechanismView, ContinuarShowsTheProductsOfARealCapture) {
    ViewRun feo(kFeO);
    ASSERT_TRUE(feo.untilFrozen(2000) && feo.s.meca.MecaCapturat);
    Continuar(feo.s);
    const SimulationState& f = feo.s;
    EXPECT_TRUE(running(f) && !f.meca.MecaCapturat);
    for (int n : {0, 1, 2, 3}) {
        const long k = f.meca.IdxMeca[n];
        const AtomShape& ion = n < 2 ? f.caja.AtomB[k] : f.caja.AtomA[k];
        EXPECT_TRUE(n < 2 ? normal(ion, ColorsEspecie(1), 0.83f * f.Diam)
                          : normal(ion, ColorsEspecie(4), 1.4f * f.Diam));
        EXPECT_EQ(ion.left, n < 2 ? f.PantBX[k] : f.PantAX[k]);
        EXPECT_EQ(ion.top, n < 2 ? f.PantBY[k] : f.PantAY[k]);
    }

    ViewRun hgo(kHgO);
    ASSERT_TRUE(hgo.untilFrozen(200) && hgo.s.meca.MecaCapturat); // one pair every 3 s
    const SimulationState& h = hgo.s;
    const auto centre = [](const auto& a) {
        return std::array<double, 2>{a.left + a.width / 2.0, a.top + a.height / 2.0};
    };
    const auto photo0 = centre(h.meca.FotoMeca[0]), photo1 = centre(h.meca.FotoMeca[1]);
    hgo.w.clock.t += 60; // a long look at the captured pair
    cmdContinuar(hgo.w.m);
    EXPECT_TRUE(running(h) && !h.meca.MecaCapturat);
    const AtomShape &o1 = h.caja.AtomA[h.meca.IdxMeca[0]], &o2 = h.caja.AtomA[h.meca.IdxMeca[1]];
    const float dO = 0.74f * h.Diam;
    EXPECT_TRUE(normal(o1, ColorsEspecie(5), dO) && normal(o2, ColorsEspecie(5), dO));
    const auto c1 = centre(o1), c2 = centre(o2);
    EXPECT_NEAR(std::hypot(c2[0] - c1[0], c2[1] - c1[1]), dO, 0.01); // touching
    EXPECT_NEAR(c1[0] + c2[0], photo0[0] + photo1[0], 0.01);
    EXPECT_NEAR(c1[1] + c2[1], photo0[1] + photo1[1], 0.01);
    for (int n : {2, 3}) {
        const AtomShape& hg = h.caja.AtomB[h.meca.IdxMeca[n]];
        EXPECT_TRUE(normal(hg, kMetalFill, 1.44f * h.Diam));
        const auto c = centre(hg), photo = centre(h.meca.FotoMeca[n]);
        EXPECT_NEAR(std::hypot(c[0] - photo[0], c[1] - photo[1]), 0, 0.01);
        EXPECT_GT(std::min(o1.stackKey, o2.stackKey), hg.stackKey); // the O2 in front
    }
    // The next pair comes 3 s of animation later, not at once.
    EXPECT_TRUE(hgo.untilFrozen(55) == false && hgo.untilFrozen(10));
}

// "HI" and "NH3" freeze twice per event: held back, then reacted; the second
// freeze's "Continuar" takes the highlight off and shows the new molecules.
TEST(MechanismView, ContinuarShowsTheGasProductsWithoutTheHighlight) {
    for (const ReactionDescription* r : {&kHI, &kNH3}) {
        ViewRun run(*r);
        SimulationState& s = run.s;
        for (int k = 0; k < 20 && !s.meca.MecaMostrat; ++k) {
            Continuar(s);
            ASSERT_TRUE(run.untilFrozen(1000)) << r->key;
        }
        const CaptureState& m = s.meca;
        const long tested = r == &kHI ? m.IdxMeca[0] : s.TaulaMol(m.IdxMeca[0], 1);
        EXPECT_EQ(s.caja.AtomA[tested].border, ColorMarca); // the green of a capture
        Continuar(s);
        EXPECT_TRUE(running(s) && !m.MecaMostrat);
        for (int a = 0; a <= s.NumA - 1; ++a)
            EXPECT_TRUE(s.caja.AtomA[a].border == ColorsEspecie(6) &&
                        s.caja.AtomA[a].borderWidth == 1);
        for (int n : {0, 1}) {
            const long row = m.IdxMeca[n];
            const bool hi = r == &kHI;
            EXPECT_TRUE(hi || s.TaulaMol.state(row) == SlotState::Product) << "ammonia";
            EXPECT_TRUE(s.caja.AtomA[hi ? row : s.TaulaMol(row, 1)].visible);
            for (int c = 2; c <= (hi ? 2 : 4); ++c) {
                const AtomShape& b = s.caja.AtomB[hi ? row : s.TaulaMol(row, c)];
                EXPECT_TRUE(b.visible && b.border == ColorsEspecie(6) && b.borderWidth == 1);
            }
        }
    }
}

// Atoms conserved since the view was entered.
bool Conserved(const SimulationState& s, const SpeciesCounters& at) {
    if (s.Reaccio == &kHI)
        return s.nHI + 2 * s.nH2 == at.nHI && s.nH2 == s.nI2;
    if (s.Reaccio == &kNH3)
        return s.nNH3 % 2 == 0 && s.nN2 + s.nNH3 / 2 == at.nN2 && s.nH2 + 3 * s.nNH3 / 2 == at.nH2;
    if (s.Reaccio == &kFeO)
        return 2 * s.nO2 + s.nFeO == 2 * at.nO2;
    return s.nHg == 2 * s.nO2 && s.nHg <= s.NumB;
}

// Capture after capture, each continued at once; then the normal box runs on
// without captures.
TEST(MechanismView, ManyCapturesInARowKeepTheSimulationSound) {
    for (const ReactionDescription* r : Reactions()) {
        int captures = 0;
        for (int seed = 0; seed < 4; ++seed) {
            ViewRun run(*r, 10 + 7.3 * seed);
            const SpeciesCounters at = run.s;
            const auto sound = [&] {
                EXPECT_EQ(TickInvariantViolation(run.s), "") << r->key << seed;
                EXPECT_TRUE(Conserved(run.s, at)) << r->key << seed;
            };
            for (int k = 0; k < 12 && run.untilFrozen(600, sound); ++k, ++captures)
                ASSERT_NO_THROW(Continuar(run.s));
            CineTornar(run.w.m);
            EXPECT_FALSE(run.untilFrozen(100));
        }
        EXPECT_GE(captures, 8) << r->key;
    }
}

} // namespace
} // namespace tarvon

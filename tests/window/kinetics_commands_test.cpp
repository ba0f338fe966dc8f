#include "engine/animation_step.h"
#include "reactions/hi/hi.h"
#include "reactions/nh3/nh3.h"
#include "reactions/reaction_rules.h"
#include "window/chrono_panel.h"
#include "window/data_commands.h"
#include "window/freeze_marking.h"
#include "window/initial_state.h"
#include "window/kinetics_commands.h"
#include "window/mechanism_view.h"
#include "window/particle_settings.h"
#include "window/reaction_choice.h"
#include "window/tick_hooks.h"
#include "window_fixture.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace tarvon {
namespace {

struct Experiment : test::LoadedWindow {
    Experiment() : test::LoadedWindow(144) {
        clock.t = 500;
        TriaReaccio(m, kHI);
    }
    void ticks(int n, double seconds) {
        for (int i = 0; i < n; ++i) {
            clock.t += seconds;
            ASSERT_TRUE(step.guardedTick());
        }
    }
    ReactionRules rules{clock, rnd};
    TickHooks hooks{m, rules};
    AnimationStep step{*state, clock, rnd, hooks};
};

TEST(ExperimentNou, RebuildsAndTakesANewTableAtTheSameInterval) {
    Experiment w;
    const int full = w.state->nHI; // two atoms a molecule: half the particle number
    CineDades(w.m, 0.5f);
    w.ticks(4, 0.5);
    ASSERT_EQ(w.m.data.Taula.rows.size(), 5u);
    AccionsCongelar(w.m);
    w.state->nHI = 3; // as if most had reacted
    CineExperimentNou(w.m);

    EXPECT_EQ(w.state->nHI, full); // a new population, running again
    EXPECT_TRUE(w.state->controls.tmrRellotgeEnabled);
    ASSERT_EQ(w.m.data.Taula.rows.size(), 1u);
    EXPECT_EQ(w.m.data.Taula.rows[0].counts[0], full);
    EXPECT_EQ(w.m.data.Interval, 0.5f);
    w.ticks(2, 0.5);
    EXPECT_EQ(w.m.data.Taula.rows.back().Temps, 1.0f);
    EXPECT_TRUE(w.m.menus.usable("CineEsborrar"));

    // The first table is kept under its settings.
    ASSERT_EQ(w.m.runs.earlier().size(), 1u);
    EXPECT_EQ(w.m.runs.earlier()[0].table.rows.size(), 5u);
    EXPECT_EQ(w.m.runs.earlier()[0].name, "144 partícules, 1:1, velocitat 50");
    EXPECT_EQ(w.m.runs.currentReaction(), "HI");
}

TEST(ExperimentNou, InChronometerModeRestartsTheChronometerRowsToo) {
    Experiment w;
    CineDadesCrono(w.m);
    w.ticks(1, 0.1);
    w.m.data.MarcaCrono = 3.2f; // a lap handed over
    w.ticks(1, 0.1);
    ASSERT_EQ(w.m.data.Taula.rows.size(), 2u);
    CineExperimentNou(w.m);
    EXPECT_EQ(w.m.data.Taula.rows.size(), 1u);
    EXPECT_EQ(w.m.data.Interval, kIntervalCrono);
    EXPECT_EQ(w.m.data.TempsCrono, 0.0f);
    EXPECT_TRUE(w.m.crono.CronoEnabled);
    EXPECT_TRUE(w.m.d.picCrono);
    w.m.data.MarcaCrono = 1.5f;
    w.ticks(1, 0.1);
    EXPECT_EQ(w.m.data.Taula.rows.back().Temps, 1.5f); // laps count from zero again
}

TEST(ExperimentNou, WithoutDataTakingOnlyRebuilds) {
    Experiment w;
    const int full = w.state->nHI;
    w.state->nHI = 7;
    CineExperimentNou(w.m);
    EXPECT_EQ(w.state->nHI, full);
    EXPECT_FALSE(w.m.data.Taula.started);
    EXPECT_FALSE(w.m.menus.enabled("CineEsborrar"));
    EXPECT_FALSE(w.m.menus.enabled("CineNoDades"));

    AccionsInici(w.m);
    EXPECT_THROW(CineExperimentNou(w.m), std::invalid_argument);
}

TEST(KineticsMenus, GraphAndAnalysisWithAReactionANewExperimentOutsideTheMechanism) {
    Experiment w;
    AccionsInici(w.m);
    for (const char* item : {"CineExperimentNou", "CineGrafica", "CineAnalisi"})
        EXPECT_FALSE(w.m.menus.usable(item)) << item;
    TriaReaccio(w.m, kNH3);
    for (const char* item : {"CineExperimentNou", "CineGrafica", "CineAnalisi"})
        EXPECT_TRUE(w.m.menus.usable(item)) << item;
    CineDades(w.m, 1); // taking data leaves them usable
    for (const char* item : {"CineExperimentNou", "CineGrafica", "CineAnalisi"})
        EXPECT_TRUE(w.m.menus.usable(item)) << item;
    CineEsborrar(w.m);
    CineMeca(w.m);
    EXPECT_FALSE(w.m.menus.usable("CineExperimentNou"));
    EXPECT_TRUE(w.m.menus.usable("CineGrafica"));
    EXPECT_TRUE(w.m.menus.usable("CineAnalisi"));
    CineTornar(w.m);
    EXPECT_TRUE(w.m.menus.usable("CineExperimentNou"));
}

TEST(VolumConstant, TheBoxStaysWhenTheParticleNumberChanges) {
    Experiment w;
    EXPECT_FALSE(w.m.menus.checked("EinesVolumConstant"));
    const float followed = w.state->CaixaX;
    EinesNPD(w.m); // off: a smaller number, a smaller box
    EXPECT_LT(w.state->CaixaX, followed);

    EinesVolumConstant(w.m);
    EXPECT_TRUE(w.m.menus.checked("EinesVolumConstant"));
    const float kept = w.state->CaixaX; // rebuilt at once in the box of the largest number
    EXPECT_GT(kept, followed);
    const int particles = w.state->NombreP;
    EinesNPD(w.m);
    EXPECT_LT(w.state->NombreP, particles);
    EXPECT_EQ(w.state->CaixaX, kept);
    EXPECT_TRUE(CurrentRunSettings(w.m, 0).VolumConstant);

    EinesVolumConstant(w.m);
    EXPECT_FALSE(w.m.menus.checked("EinesVolumConstant"));
    EXPECT_LT(w.state->CaixaX, kept);
}

TEST(KineticsRunsOfTheWindow, EveryTableEndsAsARunOfItsReaction) {
    Experiment w;
    CineDades(w.m, 1);
    w.ticks(3, 1);
    CineNoDades(w.m); // stopped, still the current run
    EXPECT_TRUE(w.m.runs.running());
    CineDades(w.m, 1); // a new table replaces it
    EXPECT_EQ(w.m.runs.earlier().size(), 1u);
    w.ticks(2, 1);
    TriaReaccio(w.m, kHI); // choosing the reaction again: another run
    EXPECT_EQ(w.m.runs.earlier().size(), 2u);
    EXPECT_EQ(w.m.runs.earlier().back().table.rows.size(), 3u);
    TriaReaccio(w.m, kNH3); // another reaction: nothing to compare with
    EXPECT_TRUE(w.m.runs.earlier().empty());
    EXPECT_EQ(w.m.runs.currentReaction(), "NH3");
}

} // namespace
} // namespace tarvon

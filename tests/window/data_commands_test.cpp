#include "engine/animation_step.h"
#include "window/chrono_panel.h"
#include "window/data_commands.h"
#include "window/reaction_choice.h"
#include "window/tick_hooks.h"
#include "reactions/hgo/hgo.h"
#include "reactions/hi/hi.h"
#include "reactions/nh3/nh3.h"
#include "reactions/reaction_rules.h"
#include "window_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvon {
namespace {

// A window with "HI" chosen whose ticks take rows as the window's do.
struct Taking : test::LoadedWindow {
    Taking() {
        clock.t = 700;
        TriaReaccio(m, kHI);
    }
    void tickAfter(double seconds) {
        clock.t += seconds;
        ASSERT_TRUE(step.guardedTick());
    }
    // The times of the rows under the header.
    std::vector<std::string> times() const {
        std::vector<std::string> out;
        const std::string t = TaulaDades(m.data.Taula, m.w.SeparadorDecimal, Catala());
        std::size_t p = t.find("\r\n", t.find("\r\n") + 2) + 2;
        for (; p < t.size(); p = t.find("\r\n", p) + 2)
            out.push_back(t.substr(p, t.find('\t', p) - p));
        return out;
    }
    ReactionRules rules{clock, rnd};
    TickHooks hooks{m, rules};
    AnimationStep step{*state, clock, rnd, hooks};
};

using Times = std::vector<std::string>;

TEST(DataCommands, IntervalRowsAndTheMenusOfATableBeingTaken) {
    Taking w;
    CineDades(w.m, 0.5f);
    const std::string first = "0\t" + std::to_string(w.state->nHI) + "\t0\t0\r\n";
    for (int i = 0; i < 4; ++i)
        w.tickAfter(0.5);
    CineDades(w.m, 2); // continues the table from 2 s
    for (int i = 0; i < 12; ++i)
        w.tickAfter(0.5);
    EXPECT_EQ(w.times(), (Times{"0", "0,5", "1", "1,5", "2", "4", "6", "8"}));
    EXPECT_TRUE(
        TaulaDades(w.m.data.Taula, w.m.w.SeparadorDecimal, Catala())
            .starts_with(
                "Nombre de partícules en funció del temps (segons)\r\nTemps\tHI\tH2\tI2\r\n" +
                first));
    EXPECT_TRUE(w.m.d.txtDades && w.m.d.lblPropietats);
    EXPECT_EQ(w.m.d.lblPropietatsCaption, kHI.texts().TextCinetica.source);
    for (const char* on : {"CineEsborrar", "CineNoDades", "ArxiuExcel"})
        EXPECT_TRUE(w.m.menus.usable(on)) << on;
    for (const char* off : {"mnuEines", "CineMeca", "CineDadesCrono"})
        EXPECT_FALSE(w.m.menus.enabled(off)) << off;

    CineEsborrar(w.m);
    EXPECT_TRUE(TaulaDades(w.m.data.Taula, w.m.w.SeparadorDecimal, Catala()).empty());
    EXPECT_FALSE(w.m.d.txtDades || w.m.menus.enabled("ArxiuExcel"));
    for (const char* on : {"mnuEines", "CineMeca", "CineDadesCrono", "CineDades05"})
        EXPECT_TRUE(w.m.menus.usable(on)) << on;
    TriaReaccio(w.m, kNH3); // no data taking comes back
    w.tickAfter(1);
    EXPECT_TRUE(TaulaDades(w.m.data.Taula, w.m.w.SeparadorDecimal, Catala()).empty());
    EXPECT_FALSE(w.m.d.txtDades);
}

TEST(DataCommands, AReactionChoiceRestartsTheTakingAtTheKeptInterval) {
    Taking w;
    CineDades(w.m, 2);
    w.tickAfter(2);
    w.tickAfter(2);
    TriaReaccio(w.m, kHgO);
    w.tickAfter(1.5);
    w.tickAfter(0.5);
    EXPECT_EQ(w.times(), (Times{"0", "2"}));
    EXPECT_TRUE(
        TaulaDades(w.m.data.Taula, w.m.w.SeparadorDecimal, Catala()).find("Temps\tHg\tO2\r\n") !=
        std::string::npos);
    EXPECT_EQ(w.m.d.lblPropietatsCaption, kHgO.texts().TextCinetica.source);

    // Stopped: the table stays, no rows come, the next start replaces it.
    CineNoDades(w.m);
    w.tickAfter(5);
    EXPECT_EQ(w.times(), (Times{"0", "2"}));
    EXPECT_TRUE(w.m.menus.usable("CineDadesCrono"));
    CineDades(w.m, 1);
    w.tickAfter(1);
    EXPECT_EQ(w.times(), (Times{"0", "1"}));
}

TEST(DataCommands, ChronometerLapsGiveRowsAtTheirSums) {
    Taking w;
    CineDades(w.m, 1);
    w.tickAfter(1); // an interval row: the chronometer continues this table
    CineNoDades(w.m);
    CineDadesCrono(w.m);
    EXPECT_TRUE(w.m.d.picCrono);
    EXPECT_EQ(w.m.d.lblTempus, "Prenent dades...");
    EXPECT_TRUE(w.m.crono.CronoEnabled);
    for (const char* off : {"CineMeca", "CineDades05", "CineDades10"})
        EXPECT_FALSE(w.m.menus.enabled(off)) << off;

    for (const double lap : {3.2, 4.1}) {
        w.clock.t += lap;
        Crono_Timer(w.m);
        cmdIniciCrono(w.m);
        w.tickAfter(0.05);
        EXPECT_TRUE(w.m.crono.CronoEnabled); // pressed again after the row
    }
    w.tickAfter(1200); // no interval row in this mode, however long
    EXPECT_EQ(w.times(), (Times{"0", "3,2", "7,3"}));

    cmdTancarCrono(w.m); // "Tancar" while running hands nothing over
    w.tickAfter(1);
    EXPECT_EQ(w.times().size(), 3u);
    EXPECT_FALSE(w.m.d.picCrono || w.m.crono.CronoEnabled);
    EXPECT_EQ(w.m.d.lblTempus, "Tempus fugit");
    EXPECT_EQ(w.m.crono.lblSegons, "0");

    // Chronometer rows are not interval rows: an interval starts a new table.
    CineDades(w.m, 0.5f);
    EXPECT_EQ(w.times(), (Times{"0"}));
}

TEST(DataCommands, TheStandAloneStopwatchKeepsItsStoppedTimeAndTakesNoRows) {
    Taking w;
    EinesCrono(w.m);
    cmdIniciCrono(w.m);
    w.clock.t += 2.25;
    Crono_Timer(w.m);
    cmdIniciCrono(w.m); // stop
    for (int i = 0; i < 3; ++i)
        w.tickAfter(0.05);
    EXPECT_FALSE(w.m.crono.CronoEnabled);
    EXPECT_EQ(w.m.crono.lblCent, "25");
    EXPECT_TRUE(TaulaDades(w.m.data.Taula, w.m.w.SeparadorDecimal, Catala())
                    .empty()); // nothing slips into the hidden table

    // Data taking with the chronometer starts it from zero, running, even
    // when the stopwatch was running already.
    cmdIniciCrono(w.m);
    w.clock.t += 1.5;
    Crono_Timer(w.m);
    CineDadesCrono(w.m);
    EXPECT_TRUE(w.m.crono.CronoEnabled);
    EXPECT_EQ(w.m.crono.lblCent, "0");
    w.clock.t += 2.0;
    Crono_Timer(w.m);
    cmdIniciCrono(w.m);
    w.tickAfter(0.05);
    EXPECT_EQ(w.times(), (Times{"0", "2"}));
}

} // namespace
} // namespace tarvon

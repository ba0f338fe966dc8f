#include "engine/animation_step.h"
#include "window/freeze_marking.h"
#include "window/mechanism_view.h"
#include "window/menu_tree.h"
#include "window/particle_settings.h"
#include "window/reaction_choice.h"
#include "reactions/atom_colours.h"
#include "reactions/feo/feo.h"
#include "reactions/hgo/hgo.h"
#include "reactions/hi/hi.h"
#include "reactions/nh3/nh3.h"
#include "reactions/reaction_rules.h"
#include "reactions/registry.h"
#include "window_fixture.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <map>

namespace tarvon {
namespace {

using test::LoadedWindow;

void expectInitialMenus(const MenuStates& menus) {
    for (const char* off : {"mnuAccions", "mnuEines", "mnuCine", "ArxiuExcel"})
        EXPECT_FALSE(menus.enabled(off)) << off;
    for (const char* on : {"mnuArxiu", "mnuReaccions", "mnuFinestra", "mnuAjuda", "ArxiuText"})
        EXPECT_TRUE(menus.usable(on)) << on;
    EXPECT_TRUE(menus.checked("EinesNPPre") && menus.checked("EinesDiamPre"));
    for (const char* unchecked : {"EinesNPA", "EinesNPD", "EinesDiam15", "EinesVel"})
        EXPECT_FALSE(menus.checked(unchecked)) << unchecked;
}

TEST(WindowCommands, MenusFollowTheLoadAChoiceAndAReset) {
    LoadedWindow w;
    MenuStates& menus = w.m.menus;
    expectInitialMenus(menus);
    EXPECT_TRUE(w.m.d.picPortada && w.m.d.lblTipus && !w.m.d.Caja);
    EXPECT_EQ(w.m.d.lblTipusCaption[3], "- xoquen amb l'orientació adequada.");

    TriaReaccio(w.m, kHgO);
    EinesDiam15Command(w.m);
    TriaReaccio(w.m, kHI); // the diameter goes back to the default with its mark
    for (const char* on : {"mnuAccions", "mnuEines", "CineDadesCrono", "CineDades10", "CineMeca"})
        EXPECT_TRUE(menus.usable(on)) << on;
    for (const char* off : {"CineEsborrar", "CineNoDades", "CineTornar", "ArxiuExcel"})
        EXPECT_FALSE(menus.enabled(off)) << off;
    EXPECT_TRUE(menus.checked("EinesDiamPre") && !menus.checked("EinesDiam15"));
    EXPECT_EQ(w.m.s.FactorDiam, 1.0f);
    EXPECT_FALSE(w.m.d.picPortada || w.m.d.lblTipus);
    EXPECT_TRUE(w.m.d.Caja && w.m.d.lblPropietats && w.m.d.picRI);
    EXPECT_EQ(w.m.d.lblDS2, " formant iode i hidrogen, tots dos en estat gasós");
    EXPECT_EQ(w.m.d.picRIFile[1], "Arxius_orvalis/RT_HI.bmp");
    EXPECT_GT(w.m.s.NombreMol, 0);
    EXPECT_FALSE(w.m.s.llegenda.circles.empty());

    EinesDiam15Command(w.m);
    AccionsInici(w.m);
    expectInitialMenus(menus);
    EXPECT_TRUE(w.m.d.picPortada && w.m.d.lblTipus && !w.m.d.Caja);
    EXPECT_TRUE(w.m.d.lblDS1.empty() && w.m.d.lblDS2.empty());
    EXPECT_TRUE(w.m.s.llegenda.circles.empty() && (w.m.d.txt == std::array<bool, 5>{}));
    EXPECT_TRUE(w.m.s.Diam == 150 && w.m.s.FactorDiam == 1.0f && w.m.s.Reaccio == nullptr);
    EXPECT_EQ(w.picture.lines, 0); // the cube went with the reset
}

// The timer keeps running in the initial state and after every command.
TEST(WindowCommands, TicksRunCleanlyThroughChoicesSettingsAndResets) {
    LoadedWindow w(144);
    ReactionRules rules(w.clock, w.rnd);
    AnimationStep step(w.m.s, w.clock, w.rnd, rules);
    const auto ticks = [&](const char* after) {
        for (int k = 0; k < 60; ++k) {
            w.clock.t += 0.05;
            std::string error;
            ASSERT_TRUE(step.guardedTick(&error)) << after << ": " << error;
        }
    };
    for (const ReactionDescription* r : Reactions()) {
        TriaReaccio(w.m, *r);
        ticks("choice");
        EinesNPA(w.m);
        EinesDiam15Command(w.m);
        ticks("settings");
        AccionsInici(w.m);
        ticks("reset");
    }
}

TEST(WindowCommands, MenuTreeHasTheDittoIntervalsAndTheShortcuts) {
    std::map<std::string, MenuItemDef> byName;
    for (const MenuItemDef& d : MenuTree())
        byName.emplace(d.name, d);
    EXPECT_EQ(byName.at("CineDades1").caption, "    \"      1 segon");
    EXPECT_EQ(byName.at("CineDades10").caption, "    \"    10 segons");
    EXPECT_EQ(byName.at("EinesDiamAfAu").shortcut, "Ctrl+A");
    EXPECT_THROW(MenuStates().enable("EinesNP"), std::out_of_range);
}

// Alt and a letter opens one menu of the bar only.
TEST(WindowCommands, EveryMenuOfTheBarHasAnAccessKeyOfItsOwn) {
    std::map<char, std::string> keys;
    for (const MenuItemDef& d : MenuTree()) {
        if (!d.parent.empty())
            continue;
        const std::size_t amp = d.caption.find('&');
        ASSERT_TRUE(amp != std::string::npos && amp + 1 < d.caption.size()) << d.name;
        const char key = static_cast<char>(std::tolower(d.caption[amp + 1]));
        const auto [clash, fresh] = keys.emplace(key, d.name);
        EXPECT_TRUE(fresh) << d.name << " and " << clash->second << " share Alt+" << key;
    }
    EXPECT_EQ(keys.size(), 7u);
}

TEST(WindowCommands, ParticleNumberStaysWithinSidesEightToFifteen) {
    LoadedWindow top(225);
    TriaReaccio(top.m, kNH3);
    EinesNPA(top.m);
    EXPECT_TRUE(top.m.w.CostatNP == 15 && top.m.s.NombreP == 225);
    EXPECT_FALSE(top.m.menus.enabled("EinesNPA"));
    EXPECT_TRUE(top.m.menus.checked("EinesNPA") && !top.m.menus.checked("EinesNPPre"));

    LoadedWindow low(81);
    TriaReaccio(low.m, kHI);
    EinesNPD(low.m);
    EXPECT_TRUE(low.m.w.CostatNP == 8 && low.m.s.NombreP == 64);
    EXPECT_FALSE(low.m.menus.enabled("EinesNPD"));
    EinesNPA(low.m);
    EXPECT_TRUE(low.m.menus.enabled("EinesNPD") && low.m.w.CostatNP == 9);

    LoadedWindow big(400);
    TriaReaccio(big.m, kHgO);
    EinesNPA(big.m);
    EXPECT_TRUE(big.m.w.CostatNP == 20 && big.m.s.NombreP == 400);
    EXPECT_FALSE(big.m.menus.enabled("EinesNPA"));
    EinesNPD(big.m);
    EXPECT_EQ(big.m.w.CostatNP, 19);

    LoadedWindow odd(200);
    EXPECT_TRUE(odd.m.w.CostatNP == 14 && odd.m.s.NombreP == 200);
    TriaReaccio(odd.m, kFeO);
    EinesNPPre(odd.m);
    EXPECT_EQ(odd.m.s.NombreP, 196);
}

TEST(WindowCommands, DiameterCommandsRebuildWithTheirBondAndMarks) {
    LoadedWindow w;
    TriaReaccio(w.m, kHI);
    EinesDiam15Command(w.m);
    EXPECT_TRUE(w.m.s.Diam == 225 && w.m.s.DistEnllac == 382.5f);
    EXPECT_TRUE(w.m.menus.checked("EinesDiam15") && !w.m.menus.checked("EinesDiamPre"));
    EXPECT_FLOAT_EQ(w.m.s.FactorVel, 382.5f / 3);
    EinesDiamAfAuCommand(w.m);
    EXPECT_FLOAT_EQ(w.m.s.Diam, 225 * 1.01f);
    EXPECT_TRUE(w.m.menus.checked("EinesDiam15")); // fine tuning leaves the marks
    EinesVel(w.m);
    EXPECT_TRUE(w.m.d.VScrollVel && w.m.menus.checked("EinesVel"));
    EinesVel(w.m);
    EXPECT_FALSE(w.m.d.VScrollVel || w.m.menus.checked("EinesVel"));
}

TEST(WindowCommands, BoxIsPlacedForTheScreenClassAndDrawnAsACube) {
    LoadedWindow narrow(144, 0.78125f);
    TriaReaccio(narrow.m, kNH3);
    const CajaPlacement& c = narrow.picture.placed;
    EXPECT_EQ(c.Top, 468.75f);
    EXPECT_EQ(c.Height, 6250);
    EXPECT_GE(c.Left, 170);
    EXPECT_LE(narrow.m.s.CaixaX, 0.78125f * 7900);
    EXPECT_TRUE(narrow.picture.back == (Rgb{220, 255, 255}) && narrow.picture.lines > 0);
    EXPECT_TRUE(narrow.state->caja.shpCara[0].visible && narrow.state->caja.shpCara[1].visible);
    EXPECT_EQ(narrow.m.s.ConstCaixa, 7.8125f);
}

TEST(WindowCommands, MarkingTogglesEveryKindUnderThePointer) {
    LoadedWindow w;
    TriaReaccio(w.m, kHI);
    SimulationState& s = w.m.s;
    AtomShape &a = s.caja.AtomA[0], &b = s.caja.AtomB[1];
    a.left = 1000, a.top = 1000;
    b.left = 1000 + s.RadiA[0] - s.RadiB[0], b.top = 1000 + s.RadiA[0] - s.RadiB[0];
    const float x = 1000 + s.RadiA[0], y = x; // both centres
    CajaMouseDown(w.m, x, y);
    EXPECT_EQ(a.border, ColorsEspecie(6)); // marking is off

    AccionsMarcar(w.m);
    EXPECT_TRUE(w.m.menus.checked("AccionsMarcar"));
    CajaMouseDown(w.m, x, y);
    EXPECT_TRUE(a.border == ColorMarca && b.border == ColorMarca && a.borderWidth == 2);
    CajaMouseDown(w.m, x, y);
    EXPECT_TRUE(a.border == ColorsEspecie(6) && a.borderWidth == 1 && b.borderWidth == 1);
    CajaMouseDown(w.m, x + s.RadiA[0] + 1, y); // just outside atom A's square
    EXPECT_EQ(a.borderWidth, 1);

    EinesDiam15Command(w.m);
    AtomShape& big = s.caja.AtomA[0];
    CajaMouseDown(w.m, big.left + s.RadiA[0], big.top + s.RadiA[0]);
    EXPECT_EQ(big.borderWidth, 3);
}

// A rebuilt box runs, so its particles are drawn, and the freeze caption says
// a click freezes it; a box that was never frozen keeps the first caption.
TEST(WindowCommands, RebuildingAFrozenBoxRunsItWithTheMatchingCaption) {
    LoadedWindow w;
    const auto freezeThen = [&](const std::function<void()>& rebuild, const char* what) {
        AccionsCongelar(w.m);
        ASSERT_FALSE(w.m.s.controls.tmrRellotgeEnabled) << what;
        rebuild();
        EXPECT_TRUE(w.m.s.controls.tmrRellotgeEnabled) << what;
        EXPECT_EQ(w.m.d.AccionsCongelar, "Congelar Imatge") << what;
    };
    TriaReaccio(w.m, kHI);
    EXPECT_EQ(w.m.d.AccionsCongelar, "Congelar imatge");
    freezeThen([&] { TriaReaccio(w.m, kNH3); }, "another reaction");
    EXPECT_EQ(w.m.s.Reaccio, &kNH3);
    freezeThen([&] { EinesNPA(w.m); }, "a particle number");
    freezeThen([&] { CineMeca(w.m); }, "the mechanism view");
    CineTornar(w.m);
    EXPECT_TRUE(w.m.s.controls.tmrRellotgeEnabled);
    EXPECT_EQ(w.m.d.AccionsCongelar, "Congelar Imatge");
}

TEST(WindowCommands, FreezeTogglesTheTimerWithItsTwoCaptions) {
    LoadedWindow w;
    TriaReaccio(w.m, kFeO);
    EXPECT_EQ(w.m.d.AccionsCongelar, "Congelar imatge");
    AccionsCongelar(w.m);
    EXPECT_FALSE(w.m.s.controls.tmrRellotgeEnabled);
    EXPECT_EQ(w.m.d.AccionsCongelar, "Descongelar Imatge");
    AccionsCongelar(w.m);
    EXPECT_TRUE(w.m.s.controls.tmrRellotgeEnabled);
    EXPECT_EQ(w.m.d.AccionsCongelar, "Congelar Imatge");
}

} // namespace
} // namespace tarvon

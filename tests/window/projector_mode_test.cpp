#include "reactions/hi/hi.h"
#include "window/data_commands.h"
#include "window/freeze_marking.h"
#include "window/initial_state.h"
#include "window/mechanism_view.h"
#include "window/projector_mode.h"
#include "window/reaction_choice.h"
#include "window_fixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace tarvon {
namespace {

using test::LoadedWindow;

TEST(ProjectorMode, ItemIsUsableInEveryStateAndKeepsItsMarkThroughThem) {
    LoadedWindow w;
    EXPECT_FALSE(w.m.menus.checked("FinProjector")) << "off until the user turns it on";
    EXPECT_EQ(MinimumAtomDiameter(w.m), 0);
    const std::vector<std::pair<std::string, std::function<void()>>> states{
        {"initial", [] {}},
        {"reaction", [&] { TriaReaccio(w.m, kHI); }},
        {"taking data", [&] { CineDades(w.m, 0.5f); }},
        {"frozen", [&] { AccionsCongelar(w.m); }},
        {"mechanism", [&] { CineMeca(w.m); }},
        {"back", [&] { CineTornar(w.m); }},
        {"reset", [&] { AccionsInici(w.m); }},
    };
    bool on = false;
    for (const auto& [name, enter] : states) {
        enter();
        EXPECT_TRUE(w.m.menus.usable("FinProjector")) << name;
        EXPECT_EQ(w.m.menus.checked("FinProjector"), on) << name;
        FinProjector(w.m);
        on = !on;
        EXPECT_EQ(w.m.menus.checked("FinProjector"), on) << name;
        EXPECT_EQ(w.m.w.ModeProjector, on) << name;
        EXPECT_EQ(MinimumAtomDiameter(w.m), on ? kProjectorAtomDiameter : 0) << name;
    }
}

} // namespace
} // namespace tarvon

#include "reactions/feo/feo.h"
#include "reactions/hi/hi.h"
#include "window/data_commands.h"
#include "window/freeze_marking.h"
#include "window/initial_state.h"
#include "window/language_choice.h"
#include "window/mechanism_view.h"
#include "window/menu_tree.h"
#include "window/reaction_choice.h"
#include "window/text_args.h"
#include "window_fixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace tarvon {
namespace {

// Only the chosen language is checked; only another than the running one is told.
TEST(LanguageChoice, TheChosenItemIsCheckedAndAnotherLanguageIsTold) {
    MenuStates menus;
    MarcaIdioma(menus, *IdiomaDeItem("FinIdiomaEs"));
    MarcaIdioma(menus, *IdiomaDeItem("FinIdiomaEn"));
    EXPECT_FALSE(menus.checked("FinIdiomaCa") || menus.checked("FinIdiomaEs"));
    EXPECT_TRUE(menus.checked("FinIdiomaEn") && menus.checked("EinesNPPre"));
    EXPECT_EQ(IdiomaDeItem("FinIdioma"), std::nullopt);

    EXPECT_EQ(AvisIdioma(Idioma::Castella, Idioma::Castella), std::nullopt);
    ASSERT_TRUE(AvisIdioma(Idioma::Angles, Idioma::Catala).has_value());
    EXPECT_STREQ(AvisIdioma(Idioma::Angles, Idioma::Catala)->source,
                 "L'idioma triat s'aplicarà la propera vegada que obriu el programa.");
}

// The language can be changed whatever the window is doing.
TEST(LanguageChoice, FinestraAndItsLanguagesAreUsableInEveryState) {
    test::LoadedWindow w;
    TarvonModel& m = w.m;
    const std::vector<std::pair<const char*, std::function<void()>>> steps{
        {"initial", [] {}},
        {"reaction", [&] { TriaReaccio(m, kFeO); }},
        {"data", [&] { CineDades(m, 0.5f); }},
        {"frozen", [&] { AccionsCongelar(m); }},
        {"stopped", [&] { CineNoDades(m); }},
        {"chronometer data", [&] { CineDadesCrono(m); }},
        {"cleared", [&] { CineEsborrar(m); }},
        {"other reaction", [&] { TriaReaccio(m, kHI); }},
        {"mechanism", [&] { CineMeca(m); }},
        {"back", [&] { CineTornar(m); }},
        {"reset", [&] { AccionsInici(m); }},
    };
    for (const auto& [state, step] : steps) {
        step();
        for (const char* item : {"mnuFinestra", "FinIdioma"})
            EXPECT_TRUE(m.menus.usable(item)) << item << " " << state;
        for (const char* item : kIdiomaItems)
            EXPECT_TRUE(m.menus.usable(item)) << item << " " << state;
    }
}

TEST(TextArgs, ValuesGoWhereTheTextPutsThem) {
    EXPECT_EQ(WithArgs("No s'ha trobat %1: %2", {"/a/b.txt", "no existeix"}),
              "No s'ha trobat /a/b.txt: no existeix");
    // A language may put them the other way round.
    EXPECT_EQ(WithArgs("%2 (%1)", {"x", "y"}), "y (x)");
    // A value is never read as a placeholder; a missing one stays as written.
    EXPECT_EQ(WithArgs("%1 %2 %3", {"%2", "b"}), "%2 b %3");
    EXPECT_EQ(WithArgs("100% %", {}), "100% %");
}

} // namespace
} // namespace tarvon

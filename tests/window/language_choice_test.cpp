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

TEST(LanguageChoice, EachItemNamesItsLanguageAndOnlyTheChosenOneIsChecked) {
    EXPECT_EQ(IdiomaDeItem("FinIdiomaCa"), Idioma::Catala);
    EXPECT_EQ(IdiomaDeItem("FinIdiomaEs"), Idioma::Castella);
    EXPECT_EQ(IdiomaDeItem("FinIdiomaEn"), Idioma::Angles);
    EXPECT_EQ(IdiomaDeItem("FinIdioma"), std::nullopt);
    EXPECT_EQ(IdiomaDeItem("FinProjector"), std::nullopt);

    MenuStates menus;
    MarcaIdioma(menus, Idioma::Castella);
    MarcaIdioma(menus, Idioma::Angles);
    EXPECT_FALSE(menus.checked("FinIdiomaCa") || menus.checked("FinIdiomaEs"));
    EXPECT_TRUE(menus.checked("FinIdiomaEn"));
    EXPECT_TRUE(menus.checked("EinesNPPre")) << "other checks stay";
}

TEST(LanguageChoice, OnlyAnotherLanguageThanTheRunningOneIsTold) {
    EXPECT_EQ(AvisIdioma(Idioma::Castella, Idioma::Castella), std::nullopt);
    const auto avis = AvisIdioma(Idioma::Angles, Idioma::Catala);
    ASSERT_TRUE(avis.has_value());
    EXPECT_STREQ(avis->source,
                 "L'idioma triat s'aplicarà la propera vegada que obriu el programa.");
    EXPECT_TRUE(AvisIdioma(Idioma::Catala, Idioma::Angles).has_value());
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

#include "texts/idioma.h"
#include "texts/language.h"

#include <gtest/gtest.h>

namespace tarvon {
namespace {

TEST(Idioma, TheSystemLocaleGivesCatalanSpanishOrEnglish) {
    const struct {
        const char* locale;
        Idioma idioma;
    } cases[] = {
        {"ca_ES.UTF-8", Idioma::Catala},
        {"ca", Idioma::Catala},
        {"ca_ES@valencia", Idioma::Catala},
        {"ca-AD", Idioma::Catala},
        {"CA_es", Idioma::Catala},
        {"es_ES.UTF-8", Idioma::Castella},
        {"es-MX", Idioma::Castella},
        {"es", Idioma::Castella},
        {"en_GB.UTF-8", Idioma::Angles},
        {"fr_FR", Idioma::Angles},
        {"C", Idioma::Angles},
        {"POSIX", Idioma::Angles},
        {"", Idioma::Angles},
        {"cat", Idioma::Angles},
        {"est_EE", Idioma::Angles},
        {"eu_ES", Idioma::Angles},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IdiomaDelLocale(c.locale), c.idioma) << c.locale;
}

TEST(Idioma, AStoredChoiceOverridesTheLocaleAndAnUnknownOneIsIgnored) {
    EXPECT_EQ(IdiomaTriat("es", "ca_ES.UTF-8"), Idioma::Castella);
    EXPECT_EQ(IdiomaTriat("en", "es_ES"), Idioma::Angles);
    EXPECT_EQ(IdiomaTriat("ca", "C"), Idioma::Catala);
    EXPECT_EQ(IdiomaTriat("", "es_ES"), Idioma::Castella);
    EXPECT_EQ(IdiomaTriat("fr", "ca_ES"), Idioma::Catala);
    EXPECT_EQ(IdiomaTriat("ES", "ca_ES"), Idioma::Catala);
}

TEST(Idioma, EveryLanguageHasACodeThatNamesItBack) {
    for (Idioma i : {Idioma::Catala, Idioma::Castella, Idioma::Angles})
        EXPECT_EQ(IdiomaDelCodi(CodiIdioma(i)), i);
    EXPECT_FALSE(IdiomaDelCodi("de").has_value());
}

TEST(Language, CatalanGivesTheSourceTextByteForByte) {
    EXPECT_EQ(Catala()(TX("finestra", "Introducció teòrica")), "Introducció teòrica");
}

} // namespace
} // namespace tarvon

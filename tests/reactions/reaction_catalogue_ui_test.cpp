#include "layout/window_layout.h"
#include "qtcommon/qt_language.h"
#include "qtcommon/translations.h"
#include "reactions/registry.h"
#include "window/initial_state.h"
#include "window/reaction_choice.h"
#include "window/window_fixture.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace tarvon {
namespace {

// Every text of a reaction that the user reads.
std::vector<TextKey> WordsOf(const ReactionDescription& r) {
    const ReactionTexts& t = r.texts();
    std::vector<TextKey> keys{t.lblDS1,        t.lblDS2,      t.TextReaccio, t.TextCinetica,
                              t.TextMecanisme, r.menuCaption, r.help.name,   r.help.explanation};
    for (const CounterBox& c : r.counters)
        keys.push_back(c.caption);
    return keys;
}

// The numbers a text states, in order: temperatures and the digits of formulas.
std::vector<std::string> Numbers(const std::string& text) {
    std::vector<std::string> found;
    std::string run;
    for (const char c : text + ' ') {
        if (c >= '0' && c <= '9') {
            run += c;
        } else if (!run.empty()) {
            found.push_back(run);
            run.clear();
        }
    }
    return found;
}

// The school name each language gives the reaction's compound.
const std::map<std::string, std::map<Idioma, std::string>> kCompound{
    {"FeO", {{Idioma::Castella, "óxido de hierro(II)"}, {Idioma::Angles, "iron(II) oxide"}}},
    {"NH3", {{Idioma::Castella, "amoníaco"}, {Idioma::Angles, "ammonia"}}},
    {"HI", {{Idioma::Castella, "yoduro de hidrógeno"}, {Idioma::Angles, "hydrogen iodide"}}},
    {"HgO", {{Idioma::Castella, "óxido de mercurio(II)"}, {Idioma::Angles, "mercury(II) oxide"}}},
};

// Through the installed catalogue each text comes out translated, with the
// temperatures and formula digits of the Catalan, and the window shows the
// translated title and description once the reaction is chosen.
TEST(ReactionCatalogue, EveryReactionReadsInSpanishAndEnglish) {
    for (const Idioma idioma : {Idioma::Castella, Idioma::Angles}) {
        const Translations installed(idioma);
        for (const ReactionDescription* r : Reactions()) {
            SCOPED_TRACE(std::string(CodiIdioma(idioma)) + " " + r->key);
            for (const TextKey& key : WordsOf(*r)) {
                const std::string shown = Traduit()(key);
                EXPECT_NE(shown, key.source);
                EXPECT_EQ(Numbers(shown), Numbers(key.source)) << shown;
            }
            const std::string compound = kCompound.at(r->key).at(idioma);
            EXPECT_NE(Traduit()(r->menuCaption).find(compound), std::string::npos) << compound;

            test::LoadedWindow w;
            TarvonModel m{*w.state, w.clock, w.rnd, w.picture, Traduit()};
            FormLoad(m, 81, LayoutFor(1.0f, false));
            TriaReaccio(m, *r);
            EXPECT_EQ(m.d.lblDS1, Traduit()(r->texts().lblDS1));
            EXPECT_EQ(m.d.lblPropietatsCaption, Traduit()(r->texts().TextReaccio));
        }
    }
}

} // namespace
} // namespace tarvon

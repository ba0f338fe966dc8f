#include "layout/window_layout.h"
#include "reactions/registry.h"
#include "window/counter_text.h"
#include "window/data_commands.h"
#include "window/initial_state.h"
#include "window/mechanism_view.h"
#include "window/reaction_choice.h"
#include "window_fixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace tarvon {
namespace {

// Marks every text it gives: a text that reaches the display without going
// through the window's language shows up unmarked.
class Marked final : public Language {
public:
    std::string text(const TextKey& key) const override { return mark(key); }
    static std::string mark(const TextKey& key) { return std::string("ES:") + key.source; }
};

struct MarkedWindow {
    MarkedWindow() { FormLoad(m, 81, LayoutFor(1.0f, false)); }
    Marked lang;
    std::unique_ptr<SimulationState> state = std::make_unique<SimulationState>();
    test::FakeClock clock;
    MersenneRandom rnd{11};
    test::FakePicture picture;
    TarvonModel m{*state, clock, rnd, picture, lang};
};

// Every word of a reaction the window shows, from the title to the mechanism
// view's explanation, and the data table's title and time header, come from
// the window's language; counts and formulas do not.
TEST(ReactionLanguage, EveryReactionShowsItsWordsInTheWindowsLanguage) {
    for (const ReactionDescription* r : Reactions()) {
        SCOPED_TRACE(r->key);
        MarkedWindow w;
        const ReactionTexts& t = r->texts();
        TriaReaccio(w.m, *r);
        EXPECT_EQ(w.m.d.lblDS1, Marked::mark(t.lblDS1));
        EXPECT_EQ(w.m.d.lblDS2, Marked::mark(t.lblDS2));
        EXPECT_EQ(w.m.d.lblPropietatsCaption, Marked::mark(t.TextReaccio));
        for (const Counter& c : Comptadors(*w.state))
            EXPECT_EQ(CounterText(c, w.m.lang),
                      Marked::mark(c.caption) + " " + std::to_string(c.value));

        CineDades(w.m, 1);
        EXPECT_EQ(w.m.d.lblPropietatsCaption, Marked::mark(t.TextCinetica));
        std::string header = "ES:Temps";
        for (const DataColumn& c : r->columns)
            header += std::string("\t") + c.name;
        EXPECT_TRUE(
            TaulaDades(w.m.data.Taula, ',', w.m.lang)
                .starts_with("ES:" + std::string(kTitolDades) + "\r\n" + header + "\r\n0\t"))
            << TaulaDades(w.m.data.Taula, ',', w.m.lang);

        CineEsborrar(w.m);
        CineMeca(w.m);
        EXPECT_EQ(w.m.d.lblPropietatsCaption, Marked::mark(t.TextMecanisme));
        CineTornar(w.m);
        EXPECT_EQ(w.m.d.lblPropietatsCaption, Marked::mark(t.TextReaccio));
    }
}

} // namespace
} // namespace tarvon

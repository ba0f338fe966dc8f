#include "assets/document_check.h"

#include <gtest/gtest.h>

namespace assets {
namespace {

bool mentions(const std::vector<std::string>& problems, const std::string& what) {
    for (const std::string& p : problems)
        if (p.find(what) != std::string::npos)
            return true;
    return false;
}

const char* const kCatalan = R"(<p>{{hi.HI.meitat}} s{{? hi.HI.ordre2.r2 > 0.9}}</p>
<!-- diapositiva --><h1>A</h1><img src="hi.corbes.png">
<!-- diapositiva --><h1>B</h1><p>{{hi.HI.meitat}}</p>)";

TEST(DocumentCheck, ATranslationQuotesTheSameValuesClaimsFiguresAndSlides) {
    const char* const same = R"(<p>{{? hi.HI.ordre2.r2 > 0.9}}{{hi.HI.meitat}} s</p>
<!-- diapositiva --><h1>A</h1><img width="3" src="hi.corbes.png">
<!-- diapositiva --><h1>B</h1>)";
    EXPECT_TRUE(CounterpartProblems(kCatalan, same).empty());

    const char* const other = R"(<p>{{hi.HI.meitat}} s{{? hi.HI.ordre1.r2 > 0.9}}</p>
<!-- diapositiva --><h1>A</h1><img src="hi.HI.ordres.png"><p>{{hi.HI.final}}</p>)";
    const std::vector<std::string> problems = CounterpartProblems(kCatalan, other);
    EXPECT_TRUE(mentions(problems, "lacks the value {{? hi.HI.ordre2.r2 > 0.9}}"));
    EXPECT_TRUE(mentions(problems, "has the value {{? hi.HI.ordre1.r2 > 0.9}}"));
    EXPECT_TRUE(mentions(problems, "has the value {{hi.HI.final}}"));
    EXPECT_TRUE(mentions(problems, "lacks the figure hi.corbes.png"));
    EXPECT_TRUE(mentions(problems, "has the figure hi.HI.ordres.png"));
    EXPECT_TRUE(mentions(problems, "has 1 slides, the Catalan 2"));
    EXPECT_EQ(problems.size(), 6u);
}

TEST(DocumentCheck, MenuPathsAreTheTreesCaptionsAsADocumentCitesThem) {
    const std::set<std::string> paths = MenuPaths(tarvon::Catala());
    for (const char* path :
         {"Arxiu › Elaboració d'informe (Word) › Fitxa per emplenar", // & removed
          "Cinètica › Aturar presa de dades",                         // "......" removed
          "Cinètica › Adquirir dades cinètiques › 1 segon",           // the ditto mark removed
          "Adquirir dades cinètiques › Cada 0,5 segons", "Desenvolupament de la reacció",
          "Reaccions › Descomposició del iodur d'hidrogen", // a registered reaction
          "Accions › Descongelar Imatge"})                  // the caption while frozen
        EXPECT_TRUE(paths.count(path)) << path;
    for (const char* path : {"Arxiu › Exemple", "Eines › Sortir", "&Arxiu", "Cinètica › 1 segon",
                             "Accions › Descongelar imatge"})
        EXPECT_FALSE(paths.count(path)) << path;
}

TEST(DocumentCheck, EveryMenuReferenceIsMarkedAndNamesARealItem) {
    const std::set<std::string> paths = MenuPaths(tarvon::Catala());
    const std::string good = "<p>Feu <b><span class=\"menu\">Cinètica ›\n Anàlisi de "
                             "l&#39;ordre</span></b> i <span class=\"menu\">Eines</span>.</p>";
    EXPECT_TRUE(MenuReferenceProblems(good, paths).empty());

    const std::string bad = "<p>x</p>\n<p><span class=\"menu\">Eines › Velocitat</span> i\n"
                            "<b>Arxiu › Sortir</b></p>";
    const std::vector<std::string> problems = MenuReferenceProblems(bad, paths);
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0], "line 2: no menu item 'Eines › Velocitat'");
    EXPECT_TRUE(problems[1].starts_with("line 3: a menu reference not marked: ")) << problems[1];
    EXPECT_TRUE(mentions(problems, "Arxiu › Sortir"));
}

TEST(DocumentCheck, TheFormOpensWithItsTitleAloneAfterTheDash) {
    EXPECT_EQ(FormTitleProblem("<html><body><h1 style=\"x\"> — Fitxa</h1><p>a</p>"), "");
    EXPECT_NE(FormTitleProblem("<body><h1>Fitxa</h1>"), "");
    EXPECT_NE(FormTitleProblem("<body><h1> — </h1>"), "");
    EXPECT_NE(FormTitleProblem("<body><p>Nom</p><h1> — Fitxa</h1>"), "");
}

} // namespace
} // namespace assets

#include "reactions/hgo/hgo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

namespace tarvon {
namespace {

// The temperatures a text gives in degrees Celsius ("400 °C", with a plain, a no-break or
// no space; also with the ordinal sign that is often typed for the degree sign).
std::vector<int> Temperatures(const std::string& text) {
    std::vector<int> found;
    for (const std::string unit : {"°C", "ºC"}) {
        for (std::size_t at = text.find(unit); at != std::string::npos;
             at = text.find(unit, at + 1)) {
            std::size_t end = at;
            if (end >= 2 && text.compare(end - 2, 2, "\u00A0") == 0)
                end -= 2;
            else if (end >= 1 && text[end - 1] == ' ')
                end -= 1;
            std::size_t begin = end;
            while (begin > 0 && std::isdigit(static_cast<unsigned char>(text[begin - 1])))
                --begin;
            if (begin < end)
                found.push_back(std::stoi(text.substr(begin, end - begin)));
        }
    }
    return found;
}

// Clauses: a temperature belongs to what its own clause says.
std::vector<std::string> Clauses(const std::string& text) {
    std::vector<std::string> clauses(1);
    for (const char c : text) {
        if (c == '.' || c == ';' || c == ':')
            clauses.emplace_back();
        else
            clauses.back() += c;
    }
    return clauses;
}

bool Mentions(const std::string& text, const std::string& word) {
    return text.find(word) != std::string::npos;
}

// Mercury boils at 357 °C; its oxide forms below and decomposes above that. The title, the
// description, the mechanism and the help must give one decomposition temperature, and it
// must not be the boiling point they name.
TEST(ReactionTexts, HgOTextsAgreeOnTheDecompositionTemperature) {
    const ReactionTexts& hgo = kHgO.texts();
    const std::string lblDS2 = hgo.lblDS2.source;
    const std::vector<int> title = Temperatures(lblDS2);
    ASSERT_EQ(title.size(), 1u) << lblDS2;
    const int decomposition = title.front();
    std::set<int> boiling;
    const std::vector<std::string> texts{lblDS2, hgo.TextReaccio.source, hgo.TextMecanisme.source,
                                         kHgO.help.explanation.source};
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(Mentions(text, "ºC")) << "the ordinal sign is not a degree sign";
        const std::vector<int> all = Temperatures(text);
        EXPECT_NE(std::find(all.begin(), all.end(), decomposition), all.end());
        for (const std::string& clause : Clauses(text)) {
            for (const int t : Temperatures(clause)) {
                if (Mentions(clause, "descompo")) {
                    EXPECT_EQ(t, decomposition) << clause;
                }
                if (Mentions(clause, "bull") || Mentions(clause, "ebullició"))
                    boiling.insert(t);
            }
        }
    }
    EXPECT_FALSE(boiling.empty()) << "the boiling point of mercury is named";
    EXPECT_EQ(boiling.count(decomposition), 0u);
}

} // namespace
} // namespace tarvon

#include "tools/sim_options.h"

#include "reactions/hgo/hgo.h"

#include <gtest/gtest.h>

namespace tarvon {
namespace {

TEST(SimOptions, EveryOptionInBothFormsWithinItsRange) {
    EXPECT_EQ(ParseSimOptions({"--reaction", "HI"}).options.particles, 81);
    const auto r = ParseSimOptions({"--reaction=HgO", "--particles", "400", "--diameter", "1.5",
                                    "--interval=0.5", "--duration", "3600", "--tick-ms", "1",
                                    "--seed", "18446744073709551615"});
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.options.reaction, &kHgO);
    EXPECT_EQ(r.options.particles, 400);
    EXPECT_FLOAT_EQ(r.options.diameter, 1.5f);
    EXPECT_DOUBLE_EQ(r.options.duration, 3600);
    EXPECT_EQ(r.options.tickMs, 1);
    EXPECT_EQ(*r.options.seed, 18446744073709551615ULL);
    EXPECT_FALSE(r.options.fixedVolume);
    EXPECT_TRUE(r.options.analyse.empty());
    EXPECT_EQ(r.options.lang, Idioma::Catala);
    EXPECT_EQ(ParseSimOptions({"--lang=en", "--reaction", "HI"}).options.lang, Idioma::Angles);
    EXPECT_EQ(ParseSimOptions({"--reaction", "HI", "--lang", "es"}).options.lang, Idioma::Castella);
}

// The species is checked against the reaction, wherever --reaction stands.
TEST(SimOptions, AnalyseTakesOnlyASpeciesOfTheReaction) {
    const auto hg = ParseSimOptions({"--analyse", "Hg", "--fixed-volume", "--reaction", "HgO"});
    ASSERT_TRUE(hg.ok()) << hg.error;
    EXPECT_EQ(hg.options.analyse, "Hg");
    EXPECT_TRUE(hg.options.fixedVolume);
    EXPECT_TRUE(ParseSimOptions({"--reaction", "HI", "--analyse=I2"}).ok());
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--reaction", "HI", "--analyse", "Hg"},
          {"--analyse", "Temps", "--reaction", "NH3"},
          {"--reaction", "HI", "--analyse", "hi"},
          {"--reaction", "FeO", "--analyse="}}) {
        const auto r = ParseSimOptions(args);
        EXPECT_EQ(r.error.rfind("--analyse: ", 0), 0u) << r.error;
    }
    EXPECT_NE(ParseSimOptions({"--reaction", "HI", "--analyse", "Hg"}).error.find("HI, H2, I2"),
              std::string::npos);
}

TEST(SimOptions, AValueOutOfRangeIsNamedInTheError) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> bad{
        {{}, "--reaction"},
        {{"--particles", "0"}, "--particles"},
        {{"--particles", "401"}, "--particles"},
        {{"--diameter", "2"}, "--diameter"},
        {{"--interval", "3"}, "--interval"},
        {{"--duration", "0"}, "--duration"},
        {{"--duration", "3601"}, "--duration"},
        {{"--tick-ms", "101"}, "--tick-ms"},
        {{"--seed", "-1"}, "--seed"},
        {{"--lang", "cat"}, "--lang"},
    };
    for (auto [args, named] : bad) {
        if (!args.empty())
            args.insert(args.begin(), {"--reaction", "HI"});
        const auto r = ParseSimOptions(args);
        EXPECT_FALSE(r.ok()) << named;
        EXPECT_EQ(r.error.rfind(named, 0), 0u) << r.error;
    }
}

// A value or an option name holding a line break or another control
// character still makes one line, with the character written as an escape.
TEST(SimOptions, TheErrorStaysOneLineWhateverTheArgumentHolds) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> bad{
        {{"--reaction", "HI\nHgO"}, "--reaction: 'HI\\nHgO' is not accepted"},
        {{"--reaction=HI\r\n"}, "--reaction: 'HI\\r\\n' is not accepted"},
        {{"--reaction", "HI", "--seed", "1\t\x1b[2J"}, "--seed: '1\\t\\x1b[2J' is not"},
        {{"--reaction", "HI", "--bench\n"}, "--bench\\n: unknown option"},
    };
    for (const auto& [args, start] : bad) {
        const auto r = ParseSimOptions(args);
        EXPECT_EQ(r.error.rfind(start, 0), 0u) << r.error;
        EXPECT_EQ(r.error.find_first_of("\n\r\t\x1b"), std::string::npos) << r.error;
    }
    EXPECT_EQ(OneLineText("a\x7f\x01z \u00e9"), "a\\x7f\\x01z \u00e9") << "UTF-8 stays";
}

} // namespace
} // namespace tarvon

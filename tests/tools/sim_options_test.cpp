#include "tools/sim_options.h"

#include <gtest/gtest.h>

namespace tarvon {
namespace {

SimOptionsResult parse(std::vector<std::string> args) {
    return ParseSimOptions(args);
}

TEST(SimOptions, DefaultsAndEveryOptionInBothForms) {
    const auto d = parse({"--reaction", "HI"});
    ASSERT_TRUE(d.ok()) << d.error;
    EXPECT_EQ(d.options.particles, 81);
    EXPECT_EQ(d.options.tickMs, 50);
    EXPECT_DOUBLE_EQ(d.options.duration, 60);
    EXPECT_FALSE(d.options.seed);

    const auto r = parse({"--reaction=HgO", "--particles", "400", "--diameter", "1.5",
                          "--interval=0.5", "--duration", "3600", "--tick-ms", "1", "--seed",
                          "18446744073709551615", "--png", "a.png", "--bench"});
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.options.reaction, "HgO");
    EXPECT_EQ(r.options.particles, 400);
    EXPECT_FLOAT_EQ(r.options.diameter, 1.5f);
    EXPECT_FLOAT_EQ(r.options.interval, 0.5f);
    EXPECT_EQ(*r.options.seed, 18446744073709551615ULL);
    EXPECT_EQ(r.options.png, "a.png");
    EXPECT_TRUE(r.options.bench);
}

TEST(SimOptions, EveryBadArgumentIsNamedInTheError) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> bad{
        {{"--reaction", "H2O"}, "--reaction"},
        {{}, "--reaction"},
        {{"--reaction", "HI", "--particles", "0"}, "--particles"},
        {{"--reaction", "HI", "--particles", "401"}, "--particles"},
        {{"--reaction", "HI", "--particles", "12x"}, "--particles"},
        {{"--reaction", "HI", "--diameter", "2"}, "--diameter"},
        {{"--reaction", "HI", "--interval", "3"}, "--interval"},
        {{"--reaction", "HI", "--duration", "0"}, "--duration"},
        {{"--reaction", "HI", "--duration", "3601"}, "--duration"},
        {{"--reaction", "HI", "--tick-ms", "101"}, "--tick-ms"},
        {{"--reaction", "HI", "--seed", "-1"}, "--seed"},
        {{"--reaction", "HI", "--seed"}, "--seed"},
        {{"--reaction", "HI", "--speed", "3"}, "--speed"},
    };
    for (const auto& [args, named] : bad) {
        const auto r = parse(args);
        EXPECT_FALSE(r.ok()) << named;
        EXPECT_EQ(r.error.rfind(named, 0), 0u) << r.error;
    }
}

TEST(SimOptions, HelpNeedsNoReaction) {
    const auto r = parse({"--help"});
    EXPECT_TRUE(r.ok());
    EXPECT_TRUE(r.options.help);
}

} // namespace
} // namespace tarvon

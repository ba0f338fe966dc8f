#include "startup/calibration_text.h"
#include "startup/number_text.h"
#include "startup/particle_budget.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

namespace tarvon {
namespace {

ParticleBudget budgetFor(const std::string& text) {
    return ParticleBudgetFromFile(std::string_view(text));
}

TEST(CalibrationText, NumbersAsTheFileHoldsThem) {
    EXPECT_EQ(CalibrationText(0.07f, 150),
              std::string("\x20\x2E\x30\x37\x0D\x0A\x20\x31\x35\x30\x0D\x0A", 12));
    EXPECT_EQ(NumberText(-0.5f), "-.5");
    EXPECT_EQ(NumberText(1.0f / 3), " .3333333");
    EXPECT_EQ(NumberText(1234567.0f), " 1234567");

    EXPECT_DOUBLE_EQ(LeadingNumber("  -3.5x"), -3.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("1e3"), 1000);
    EXPECT_DOUBLE_EQ(LeadingNumber("4e"), 4); // no exponent digits: not an exponent
    for (const char* none : {"abc", "0x1A", "inf"})
        EXPECT_DOUBLE_EQ(LeadingNumber(none), 0) << none;

    EXPECT_EQ(RoundToInt16(32767.4), 32767); // halves to even: see the ball collisions
    for (const double bad : {32767.5, -32768.6, std::nan("")})
        EXPECT_THROW(RoundToInt16(bad), std::overflow_error) << bad;
}

TEST(ParticleBudget, TheCountGivesTheSquareOfItsRoundedRootWithin81To400) {
    const std::pair<const char*, int> cases[] = {
        {" .07\r\n 50\r\n", 81},
        {" .07\r\n 150\r\n", 144},
        {" .07\r\n 400\r\n", 400},
        {"      .07\r\n        100\r\n", 100}, // leading spaces
        {"0.07,144", 144},
        {".07\n121\n", 121},
        {" .07\r\n 100,7\r\n", 100},
        {" .07\r\n 111\r\n", 121},   // rounded root, not its whole part
        {" .07\r\n 380.5\r\n", 361}, // 380.5 rounds to 380, root 19.49
        {" .07\r\n 32767\r\n", 400}, // capped
        {"", 81},
        {" .07\r\n   ", 81},
        {" .07\r\n 32768\r\n", 81},
        {" .07\r\n -144\r\n", 81},
        {" .07\r\n cent\r\n", 81},
    };
    for (const auto& [text, NPOptim] : cases) {
        const ParticleBudget b = budgetFor(text);
        EXPECT_EQ(b.NPOptim, NPOptim) << text;
        EXPECT_EQ(b.CostatNP * b.CostatNP, b.NPOptim) << text;
    }
    EXPECT_EQ(ParticleBudgetFromFile(std::nullopt), (ParticleBudget{81, 9}));
}

TEST(ParticleBudget, DamagedFilesAlwaysGiveAPerfectSquareWithinTheLists) {
    std::mt19937 gen(12345);
    // Mostly characters that matter to the reader, so that many files get far.
    const char symbols[] = "0123456789 ,.-+eE\r\n\x00\xff";
    const std::string alphabet(symbols, sizeof symbols - 1);
    for (int n = 0; n < 20000; ++n) {
        std::string text(gen() % 24, ' ');
        for (char& c : text)
            c = gen() % 4 == 0 ? static_cast<char>(gen() % 256) : alphabet[gen() % alphabet.size()];
        const ParticleBudget b = budgetFor(text);
        ASSERT_GE(b.CostatNP, 9) << text;
        ASSERT_LE(b.CostatNP, 20) << text;
        ASSERT_EQ(b.NPOptim, b.CostatNP * b.CostatNP) << text;
    }
}

} // namespace
} // namespace tarvon

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

TEST(CalibrationText, HoldsTheBudgetAndTheCountOnTwoCrLfLines) {
    const std::string bytes = CalibrationText(0.07f, 150);
    EXPECT_EQ(bytes, std::string("\x20\x2E\x30\x37\x0D\x0A\x20\x31\x35\x30\x0D\x0A", 12));
    EXPECT_EQ(CalibrationText(0.07f, 50), " .07\r\n 50\r\n");
    EXPECT_EQ(CalibrationText(0.07f, 400), " .07\r\n 400\r\n");
}

TEST(NumberText, BlankOrMinusThenAtMostSevenDigitsWithoutLeadingZero) {
    EXPECT_EQ(NumberText(0.07f), " .07");
    EXPECT_EQ(NumberText(-0.5f), "-.5");
    EXPECT_EQ(NumberText(1.0f / 3), " .3333333");
    EXPECT_EQ(NumberText(1234567.0f), " 1234567");
}

TEST(LeadingNumber, ReadsTheNumberAtTheStartOrGivesZero) {
    EXPECT_DOUBLE_EQ(LeadingNumber("12abc"), 12);
    EXPECT_DOUBLE_EQ(LeadingNumber(".07"), 0.07);
    EXPECT_DOUBLE_EQ(LeadingNumber("  -3.5x"), -3.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("+7"), 7);
    EXPECT_DOUBLE_EQ(LeadingNumber("1e3"), 1000);
    EXPECT_DOUBLE_EQ(LeadingNumber("4e"), 4); // no exponent digits: not an exponent
    EXPECT_DOUBLE_EQ(LeadingNumber("abc"), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber("0x1A"), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber("inf"), 0);
    EXPECT_TRUE(std::isinf(LeadingNumber("1e999")));
    EXPECT_DOUBLE_EQ(LeadingNumber("1e-999"), 0);
}

TEST(RoundToInt16, HalvesGoToTheEvenNeighbourAndTheRangeIsChecked) {
    EXPECT_EQ(RoundToInt16(2.5), 2);
    EXPECT_EQ(RoundToInt16(3.5), 4);
    EXPECT_EQ(RoundToInt16(-2.5), -2);
    EXPECT_EQ(RoundToInt16(32767.4), 32767);
    EXPECT_THROW(RoundToInt16(32767.5), std::overflow_error);
    EXPECT_THROW(RoundToInt16(-32768.6), std::overflow_error);
    EXPECT_THROW(RoundToInt16(std::nan("")), std::overflow_error);
}

TEST(ParticleBudget, CountsTheCalibrationWritesGiveTheirSquares) {
    const struct {
        int count, NPOptim, CostatNP;
    } examples[] = {{50, 81, 9}, {90, 81, 9}, {100, 100, 10}, {150, 144, 12}, {400, 400, 20}};
    for (const auto& e : examples) {
        const ParticleBudget b = budgetFor(CalibrationText(0.07f, e.count));
        EXPECT_EQ(b, (ParticleBudget{e.NPOptim, e.CostatNP})) << e.count;
    }
}

TEST(ParticleBudget, FieldsEndAtCommasOrLineEndsAndLeadingSpacesAreSkipped) {
    EXPECT_EQ(budgetFor("      .07\r\n        100\r\n").NPOptim, 100);
    EXPECT_EQ(budgetFor("0.07,144").NPOptim, 144);
    EXPECT_EQ(budgetFor(".07\n121\n").NPOptim, 121); // bare line feeds
    EXPECT_EQ(budgetFor(" .07\r\n 100,7\r\n").NPOptim, 100);
    // The side is the rounded root, not its whole part.
    EXPECT_EQ(budgetFor(" .07\r\n 110\r\n").NPOptim, 100);
    EXPECT_EQ(budgetFor(" .07\r\n 111\r\n").NPOptim, 121);
    // 380.5 rounds to 380 (half to even), whose root 19.49 gives 19.
    EXPECT_EQ(budgetFor(" .07\r\n 380.5\r\n").NPOptim, 361);
}

TEST(ParticleBudget, EveryFailureGivesTheSmallestBudget) {
    const ParticleBudget smallest{81, 9};
    EXPECT_EQ(ParticleBudgetFromFile(std::nullopt), smallest);
    EXPECT_EQ(budgetFor(""), smallest);
    EXPECT_EQ(budgetFor(" .07\r\n"), smallest); // second line missing
    EXPECT_EQ(budgetFor(" .07\r\n   "), smallest);
    EXPECT_EQ(budgetFor(" .07\r\n 32768\r\n"), smallest);
    EXPECT_EQ(budgetFor(" .07\r\n 1e9\r\n"), smallest);
    EXPECT_EQ(budgetFor(" .07\r\n -144\r\n"), smallest);
    EXPECT_EQ(budgetFor(" .07\r\n cent\r\n"), smallest);
}

TEST(ParticleBudget, LargeCountsAreCappedAtTheLargestTheCalibrationWrites) {
    EXPECT_EQ(budgetFor(" .07\r\n 441\r\n"), (ParticleBudget{400, 20}));
    EXPECT_EQ(budgetFor(" .07\r\n 32767\r\n"), (ParticleBudget{400, 20}));
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

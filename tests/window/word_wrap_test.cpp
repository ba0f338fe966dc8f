#include "window/word_wrap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvon {
namespace {

using Lines = std::vector<std::string>;

TEST(WordWrap, FillsEachLineAsFarAsTheWidthCountingCharactersNotBytes) {
    EXPECT_EQ(WrapWords("a bb ccc dddd", 6), (Lines{"a bb", "ccc", "dddd"}));
    EXPECT_EQ(WrapWords("a bb ccc", 8), (Lines{"a bb ccc"})); // exactly the width
    // "àèò" is six bytes but three characters: it still fits beside "ab".
    EXPECT_EQ(WrapWords("ab àèò x", 6), (Lines{"ab àèò", "x"}));
    EXPECT_EQ(Characters("àèò"), 3);
}

TEST(WordWrap, BlanksOfAnyKindOnlySeparateAndALongWordStandsAlone) {
    EXPECT_EQ(WrapWords("  one\ttwo\r\n three  ", 80), (Lines{"one two three"}));
    EXPECT_EQ(WrapWords("a paraula-molt-llarga b", 5), (Lines{"a", "paraula-molt-llarga", "b"}));
    EXPECT_TRUE(WrapWords(" \t\r\n", 10).empty());
}

} // namespace
} // namespace tarvon

// characterCount against characterStrings: random texts from pieces that
// join (CR LF, combining marks, joiners, skin tones, flags) or break (control
// characters, bytes that are no UTF-8), from a fixed seed, count the same.

#include <random>
#include <string>

#include <gtest/gtest.h>

#include "algebra/TextFunctions.h"

namespace duolinear {
namespace {

TEST(CharacterCount, CountsWhatCharacterStringsSplits) {
    const std::string pieces[] = {
        "a", "7", " ",      "\r",   "\n",      "\t", "−", "é", "e\xCC\x81", "👍", "\xF0\x9F\x8F\xBD", "\xE2\x80\x8D",
        "🇫", "🇷", "✖️", "\xFF", "\xE2\x88"};
    std::mt19937 engine{20250107};
    const auto below = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(engine); };
    EXPECT_EQ(characterCount(""), 0u);
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        for (std::size_t n = below(8); n > 0; --n) text += pieces[below(std::size(pieces))];
        ASSERT_EQ(characterCount(text), characterStrings(text).size()) << text;
    }
}

}  // namespace
}  // namespace duolinear

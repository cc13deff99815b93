#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "algebra/TextFunctions.h"

namespace duolinear {
namespace {

using Texts = std::vector<std::string>;

TEST(TextFunctions, CharactersAreWhatTheReaderSees) {
    struct Case {
        const char* text;
        Texts want;
    };
    const Case cases[] = {
        {"", {}},
        {"x²−3", {"x", "²", "−", "3"}},
        {"अa", {"अ", "a"}},                      // a three-byte sequence led by 0xE0
        {"\u07FFa", {"\u07FF", "a"}},            // a two-byte sequence led by 0xDF
        {"✖️x", {"✖️", "x"}},            // variation selector stays with its emoji
        {"👍🏽!", {"👍🏽", "!"}},        // skin-tone modifier
        {"e\u0301a", {"e\u0301", "a"}},          // combining accent
        {"👩‍💻a", {"👩‍💻", "a"}},  // joined sequence
        {"🇫🇷🇿🇦", {"🇫🇷", "🇿🇦"}},                  // flags pair their regional indicators, A to Z
        {"🇫x🇷", {"🇫", "x", "🇷"}},                // a lone one stands alone
        {"a\r\nb", {"a", "\r\n", "b"}},
        {"\n\u0301", {"\n", "\u0301"}},  // nothing extends a control
        {"a\xFF"
         "b",
         {"a", "\xFF", "b"}},                  // a stray byte is a character of its own
        {"a\xE2\x88", {"a", "\xE2", "\x88"}},  // so is each of a cut-off sequence
    };
    for (const Case& c : cases) EXPECT_EQ(characterStrings(c.text), c.want) << c.text;
    EXPECT_EQ(textLengths("👍🏽👍🏽", "abc"), (TextLengths{2, 3, 3}));
}

TEST(TextFunctions, PaddingAndDigitTexts) {
    EXPECT_EQ(padBoth("x", 1, "(", 2, ")"), "(x))");
    EXPECT_EQ(padLeft("7", -2, "ab"), "7");
    EXPECT_EQ(padArrayFront({"1", "2"}, {"a", "b", "c", "d"}, " "), (Texts{" ", " ", "1", "2"}));
    EXPECT_EQ(padArrayFront({"1", "2"}, {"a"}, " "), (Texts{"1", "2"}));

    struct Case {
        const char* text;
        bool zero, singleNonZero, powerOfTen;
    };
    const Case cases[] = {
        {"0", true, false, false},  {"1", false, true, true},      {"1000", false, true, true},
        {"20", false, true, false}, {"01", false, true, false},    {"11", false, false, false},
        {"", false, false, false},  {"🤔0", false, true, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isZeroText(c.text), c.zero) << c.text;
        EXPECT_EQ(hasSingleNonZeroDigit(c.text), c.singleNonZero) << c.text;
        EXPECT_EQ(isPowerOfTenText(c.text), c.powerOfTen) << c.text;
    }
    EXPECT_EQ(powerOfTenText(3), "1000");
    EXPECT_EQ(powerOfTenText(-1), std::nullopt);
}

TEST(TextFunctions, WordsAndCodePoints) {
    EXPECT_EQ(placeValueWord(0, true), "ones");
    EXPECT_EQ(placeValueWord(4, true), "ten thousands");
    EXPECT_EQ(placeValueWord(7, false), "ten million");
    EXPECT_EQ(placeValueWord(8, true), "...?");
    EXPECT_EQ(placeValueWord(-1, false), "...?");

    struct Case {
        const char* code;
        std::int64_t value;
    };
    const Case cases[] = {{"30", 0},   {"39", 9}, {"2070", 0}, {"B9", 1},   {"B3", 3},
                          {"2079", 9}, {"b9", 0}, {"0030", 0}, {"2071", 0}, {"", 0}};
    for (const Case& c : cases) EXPECT_EQ(digitValueOfCodePointText(c.code), c.value) << c.code;
}

TEST(TextFunctions, SuperscriptDigits) {
    const char* const superscripts[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    for (int d = 0; d <= 9; ++d) EXPECT_EQ(superscriptDigit(std::to_string(d)), superscripts[d]) << d;
    for (const char* other : {"10", "-1", "x", ""}) EXPECT_EQ(superscriptDigit(other), "...") << other;
}

TEST(TextFunctions, SignedTermTexts) {
    struct Case {
        std::int64_t c, e;
        bool showUnit;
        const char* want;
    };
    const Case cases[] = {
        {-1, 0, false, "-1"}, {-1, 1, false, "-x"},   {-1, 2, false, "-x²"}, {-1, 2, true, "-1x²"},
        {-3, 0, false, "-3"}, {-3, 5, false, "-3x⁵"}, {1, 0, false, "+1"},   {1, 3, false, "+x³"},
        {1, 1, true, "+1x"},  {0, 0, false, "+0"},    {0, 1, false, "+0x"},  {2, 12, false, "+2x..."},
    };
    for (const Case& c : cases) EXPECT_EQ(signedTermText(c.c, c.e, "x", c.showUnit), c.want) << c.c << " " << c.e;
}

}  // namespace
}  // namespace duolinear

#pragma once
// Small text functions of the algebra library: padding, splitting into
// characters, digit and place-value words, and the signed text of a term.
// Characters are user-perceived characters (grapheme clusters): an emoji with
// its variation selector or skin-tone modifier, a letter with its combining
// marks, a flag or a joined emoji sequence each count as one.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace duolinear {

// pad repeated count times, then text (a count below 0 counts as 0).
std::string padLeft(std::string_view text, std::int64_t count, std::string_view pad);
// text, then pad repeated count times.
std::string padRight(std::string_view text, std::int64_t count, std::string_view pad);
// leftPad repeated leftCount times, text, rightPad repeated rightCount times.
std::string padBoth(std::string_view text, std::int64_t leftCount, std::string_view leftPad, std::int64_t rightCount,
                    std::string_view rightPad);
// When model has d more elements than items (d > 0): d fillers, then items; otherwise items.
std::vector<std::string> padArrayFront(const std::vector<std::string>& items, const std::vector<std::string>& model,
                                       const std::string& filler);

// One text per character, in order.
std::vector<std::string> characterStrings(std::string_view text);
// The number of characters, characterStrings(text).size(), without making
// the texts.
std::size_t characterCount(std::string_view text);

struct TextLengths {
    std::int64_t first = 0;
    std::int64_t second = 0;
    std::int64_t longer = 0;
    friend bool operator==(const TextLengths&, const TextLengths&) = default;
};
// The character counts of a and b, and the larger of the two.
TextLengths textLengths(std::string_view a, std::string_view b);

bool isZeroText(std::string_view text);
// Exactly one character of the text differs from "0".
bool hasSingleNonZeroDigit(std::string_view text);
// "1", "10", "100", ...
bool isPowerOfTenText(std::string_view text);
// "1" followed by n zeros; no value for n < 0.
std::optional<std::string> powerOfTenText(std::int64_t n);

// "one", "ten", "hundred", ... "ten million" for positions 0 to 7, with an "s"
// when plural; "...?" for any other position.
std::string placeValueWord(std::int64_t position, bool plural);

// The digit value of a code point written as uppercase hexadecimal without
// leading zeros: "30".."39" and the superscript digits ("2070", "B9", "B2",
// "B3", "2074".."2079"); 0 for any other text.
std::int64_t digitValueOfCodePointText(std::string_view text);

// "0".."9" become superscript digits; any other text becomes "...".
std::string superscriptDigit(std::string_view text);

// The term with its sign in front: "+3x²", "-x", "+1", "-1" ... A coefficient
// of 1 or -1 shows only its sign unless showUnitCoefficient is set or the
// exponent is 0; the exponent is written with superscriptDigit.
std::string signedTermText(std::int64_t coefficient, std::int64_t exponent, std::string_view variable,
                           bool showUnitCoefficient);

template <typename T>
void swapValues(T& a, T& b) {
    std::swap(a, b);
}

}  // namespace duolinear

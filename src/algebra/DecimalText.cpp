#include "algebra/DecimalText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace duolinear {

namespace {

// No double has more significant decimal digits than this (its exact
// expansion); printf's %g strips the zeros a larger precision would add, so
// a larger precision writes the same text.
constexpr int kMostSignificantDigits = 800;
// The digits, a sign, a point and "e-308" (or the zeros of "0.0000").
constexpr std::size_t kLongestText = kMostSignificantDigits + 16;

}  // namespace

std::string decimalText(double value, int significantDigits) {
    if (std::isnan(value)) return "nan";
    // to_chars in general form with a precision is printf's %.*g in the "C"
    // locale. A negative precision means the default, 6, as in printf.
    const int precision = significantDigits < 0 ? 6 : std::min(significantDigits, kMostSignificantDigits);
    std::array<char, kLongestText> buffer;
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, precision);
    if (error != std::errc{}) return "nan";  // cannot happen: the buffer holds the longest text
    return std::string(buffer.data(), end);
}

}  // namespace duolinear

// rationalFromDecimalText: reading a decimal numeral as an exact fraction;
// decimalPlaces: how many places a fraction shows as a decimal.

#include <algorithm>
#include <charconv>
#include <string>

#include "algebra/Checked.h"
#include "algebra/IntegerFunctions.h"
#include "algebra/Rational.h"

namespace duolinear {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whether the whole text reads as a floating-point number the way a standard
// decimal parser takes it: an optional sign, then a decimal or hexadecimal
// mantissa with an optional exponent, or an infinity or not-a-number. No
// surrounding blanks.
bool readsAsFloatingPoint(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (text.empty() || text.front() == '+' || text.front() == '-') return false;
    }
    std::string_view body = text;
    if (!body.empty() && body.front() == '-') body.remove_prefix(1);
    double value = 0;
    if (body.size() > 2 && body[0] == '0' && (body[1] == 'x' || body[1] == 'X')) {
        body.remove_prefix(2);
        const auto [end, error] =
            std::from_chars(body.data(), body.data() + body.size(), value, std::chars_format::hex);
        return error != std::errc::invalid_argument && end == body.data() + body.size();
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    // Out of range still reads as a number (it would be an infinity or zero).
    return error != std::errc::invalid_argument && end == text.data() + text.size();
}

// Only an optional sign, digits and at most one point.
bool isPlainDecimal(std::string_view text) {
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
    int points = 0;
    for (char c : text) {
        if (c == '.') {
            ++points;
        } else if (!isDigit(c)) {
            return false;
        }
    }
    return points <= 1;
}

// An optional sign and digits (none read as 0) as a 64-bit integer.
CheckedInt integerFromDigits(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::uint64_t value = 0;
    for (char c : text) {
        if (__builtin_mul_overflow(value, 10u, &value) ||
            __builtin_add_overflow(value, static_cast<unsigned>(c - '0'), &value)) {
            return std::nullopt;
        }
    }
    return signedFromMagnitude(negative, value);
}

}  // namespace

std::optional<Rational> rationalFromDecimalText(std::string_view text) {
    if (!readsAsFloatingPoint(text)) return Rational{0, 1};
    if (!isPlainDecimal(text)) return std::nullopt;

    const std::size_t point = text.find('.');
    if (point == std::string_view::npos) {
        const CheckedInt numerator = integerFromDigits(text);
        if (!numerator) return std::nullopt;
        return Rational{*numerator, 1};
    }

    // Trailing zeros go (never past the point, which is not a zero); the
    // digits left after the point set the power of ten of the denominator.
    std::string_view trimmed = text;
    while (!trimmed.empty() && trimmed.back() == '0') trimmed.remove_suffix(1);
    const std::optional<std::int64_t> denominator = powerOfTen(static_cast<std::int64_t>(trimmed.size() - point - 1));
    std::string digits(trimmed.substr(0, point));
    digits += trimmed.substr(point + 1);
    const CheckedInt numerator = integerFromDigits(digits);
    if (!numerator || !denominator) return std::nullopt;
    return Rational{*numerator, *denominator};
}

std::optional<int> decimalPlaces(const Rational& value) {
    if (value.denominator == 0) return std::nullopt;
    std::uint64_t d =
        magnitude(value.denominator) / gcdOfMagnitudes(magnitude(value.numerator), magnitude(value.denominator));
    int twos = 0;
    int fives = 0;
    for (; d % 2 == 0; d /= 2) ++twos;
    for (; d % 5 == 0; d /= 5) ++fives;
    if (d != 1) return std::nullopt;
    return std::max(twos, fives);
}

}  // namespace duolinear

#pragma once
// Checked 64-bit integer arithmetic. Every add, subtract, multiply and negate
// of the algebra goes through these helpers: a result outside the signed 64-bit
// range is no value, exactly as a division by zero is. An absent operand makes
// the result absent too, so that expressions can be chained without unpacking:
//   checkedAdd(checkedMultiply(a, d), checkedMultiply(b, c))

#include <cstdint>
#include <optional>

namespace duolinear {

using CheckedInt = std::optional<std::int64_t>;

inline CheckedInt checkedAdd(CheckedInt a, CheckedInt b) {
    std::int64_t result = 0;
    if (!a || !b || __builtin_add_overflow(*a, *b, &result)) return std::nullopt;
    return result;
}

inline CheckedInt checkedSubtract(CheckedInt a, CheckedInt b) {
    std::int64_t result = 0;
    if (!a || !b || __builtin_sub_overflow(*a, *b, &result)) return std::nullopt;
    return result;
}

inline CheckedInt checkedMultiply(CheckedInt a, CheckedInt b) {
    std::int64_t result = 0;
    if (!a || !b || __builtin_mul_overflow(*a, *b, &result)) return std::nullopt;
    return result;
}

inline CheckedInt checkedNegate(CheckedInt a) {
    return checkedSubtract(std::int64_t{0}, a);
}

inline CheckedInt checkedAbs(CheckedInt a) {
    if (!a) return std::nullopt;
    return *a < 0 ? checkedNegate(a) : a;
}

// Truncating division; no value for a zero divisor and for the one quotient
// that does not fit (the least value divided by -1).
inline CheckedInt checkedDivide(CheckedInt a, CheckedInt b) {
    if (!a || !b || *b == 0) return std::nullopt;
    if (*b == -1) return checkedNegate(a);
    return *a / *b;
}

// |n| as an unsigned number; exact for every n, the least value included.
constexpr std::uint64_t magnitude(std::int64_t n) {
    return n < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
}

// The signed number with the given sign and magnitude, when it fits.
inline CheckedInt signedFromMagnitude(bool negative, std::uint64_t value) {
    constexpr std::uint64_t kMaxPositive = static_cast<std::uint64_t>(INT64_MAX);
    if (!negative) {
        if (value > kMaxPositive) return std::nullopt;
        return static_cast<std::int64_t>(value);
    }
    if (value > kMaxPositive + 1) return std::nullopt;
    if (value == kMaxPositive + 1) return INT64_MIN;
    return -static_cast<std::int64_t>(value);
}

}  // namespace duolinear

#include <cstdint>
#include <optional>

#include <gtest/gtest.h>

#include "algebra/Checked.h"

namespace duolinear {
namespace {

constexpr std::int64_t kMax = INT64_MAX;
constexpr std::int64_t kMin = INT64_MIN;
const CheckedInt kNone = std::nullopt;

TEST(Checked, ArithmeticAtTheLimitsAndAbsentOperands) {
    struct Case {
        const char* what;
        CheckedInt got;
        CheckedInt want;
    };
    const Case cases[] = {
        {"max + 1", checkedAdd(kMax, 1), kNone},
        {"min + max", checkedAdd(kMin, kMax), -1},
        {"min - 1", checkedSubtract(kMin, 1), kNone},
        {"-1 - min", checkedSubtract(-1, kMin), kMax},
        {"2^31 * 2^31", checkedMultiply(std::int64_t{1} << 31, std::int64_t{1} << 31), std::int64_t{1} << 62},
        {"2^32 * 2^31", checkedMultiply(std::int64_t{1} << 32, std::int64_t{1} << 31), kNone},
        {"min * -1", checkedMultiply(kMin, -1), kNone},
        {"-2^62 * 2", checkedMultiply(-(std::int64_t{1} << 62), 2), kMin},
        {"-min", checkedNegate(kMin), kNone},
        {"|min|", checkedAbs(kMin), kNone},
        {"|-max|", checkedAbs(-kMax), kMax},
        {"min / -1", checkedDivide(kMin, -1), kNone},
        {"-7 / 2", checkedDivide(-7, 2), -3},
        {"5 / 0", checkedDivide(5, 0), kNone},
        {"none + 1", checkedAdd(kNone, 1), kNone},
        {"2 - none", checkedSubtract(2, kNone), kNone},
        {"none * 2", checkedMultiply(kNone, 2), kNone},
        {"4 / none", checkedDivide(4, kNone), kNone},
        {"|none|", checkedAbs(kNone), kNone},
        {"max * 2 - max", checkedAdd(checkedMultiply(kMax, 2), checkedNegate(kMax)), kNone},
        {"3 * 4 - 5", checkedAdd(checkedMultiply(3, 4), checkedNegate(5)), 7},
    };
    for (const Case& c : cases) EXPECT_EQ(c.got, c.want) << c.what;
}

TEST(Checked, MagnitudeRoundTripsEveryValue) {
    EXPECT_EQ(magnitude(kMin), std::uint64_t{1} << 63);
    for (std::int64_t n : {kMin, kMin + 1, std::int64_t{-1}, std::int64_t{0}, std::int64_t{1}, kMax}) {
        EXPECT_EQ(signedFromMagnitude(n < 0, magnitude(n)), n) << n;
    }
    EXPECT_EQ(signedFromMagnitude(false, std::uint64_t{1} << 63), kNone);
    EXPECT_EQ(signedFromMagnitude(true, (std::uint64_t{1} << 63) + 1), kNone);
}

}  // namespace
}  // namespace duolinear

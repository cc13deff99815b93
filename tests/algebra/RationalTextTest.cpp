#include "algebra/Rational.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace duolinear {
namespace {

std::string text(const std::optional<Rational>& r) {
    if (!r) return "none";
    return std::to_string(r->numerator) + "/" + std::to_string(r->denominator);
}

TEST(RationalFromDecimalText, PlainNumeralsStayUnreduced) {
    struct Case { const char* input; const char* want; };
    const Case cases[] = {
        {"2.50", "25/10"},     {"-0.125", "-125/1000"}, {"3.000", "3/1"},   {"100.00", "100/1"},
        {"10.10", "101/10"},   {"0.0", "0/1"},          {"7", "7/1"},       {"-12", "-12/1"},
        {"+5", "5/1"},         {"0.5", "5/10"},         {".5", "5/10"},     {"5.", "5/1"},
        {"-.25", "-25/100"},   {"007", "7/1"},          {"-0.0", "0/1"},    {".0", "0/1"},
        {"9223372036854775807", "9223372036854775807/1"},
        {"-9223372036854775808", "-9223372036854775808/1"},
        {"0.000000000000000001", "1/1000000000000000000"},  // 18 places: 10^18 still fits
    };
    for (const Case& c : cases) EXPECT_EQ(text(rationalFromDecimalText(c.input)), c.want) << c.input;
}

TEST(RationalFromDecimalText, TextThatIsNoNumberGivesZero) {
    for (const char* input : {"", "abc", "x", ".", "-", "+", "1.2.3", " 1", "1 ", "1,5", "--1", "+-1", "1e", "0x",
                              "½", "−3" /* U+2212 is not a minus sign here */}) {
        EXPECT_EQ(text(rationalFromDecimalText(input)), "0/1") << input;
    }
}

TEST(RationalFromDecimalText, OtherNumberFormsAndOversizedNumeralsGiveNoValue) {
    for (const char* input : {"1e3", "1.5e3", "-2E-2", "inf", "-Infinity", "nan", "NaN", "0x1p3", "0x10", "1e400",
                              "9223372036854775808", "-9223372036854775809", "12345678901234567890.5",
                              "0.0000000000000000001" /* 19 places: 10^19 does not fit */}) {
        EXPECT_EQ(text(rationalFromDecimalText(input)), "none") << input;
    }
}

}  // namespace
}  // namespace duolinear

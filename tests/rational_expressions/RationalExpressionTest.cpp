// Rational expressions: their questions and picture rewrites, the final-form
// check, the common monomial split and the cancelling of common factors, and
// a randomized simplification whose every picture keeps the value and the
// letter, and which always reaches a final form, and whole simplifications
// that stop within a number of rounds bounded by the size of the start
// where products on the way do not fit.

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "FactoredText.h"
#include "algebra/RandomSource.h"
#include "rational_expressions/PolynomialGcd.h"
#include "rational_expressions/Rational_Expression.h"

namespace duolinear {
namespace {

using namespace testing;
using Operation = std::function<std::optional<ExpressionPictures>(const Rational_Expression&)>;

// The picture rewrites, in the order a simplification tries them.
const std::vector<Operation> kOperations{
    sortedPictures, negativeOnePictures,  [](const Rational_Expression& e) { return commonFactorPictures(e); },
    factorPictures, cancellationPictures, splitCommonMonomialPictures};

// A whole simplification: zero terms dropped first, a shared factor that no
// other step shows written out last.
const std::vector<Operation> kSimplification = [] {
    std::vector<Operation> steps{zeroTermPictures};
    steps.insert(steps.end(), kOperations.begin(), kOperations.end());
    steps.push_back(sharedFactorPictures);
    return steps;
}();

// The pictures of the first step of a whole simplification that applies.
std::optional<ExpressionPictures> firstRewrite(const Rational_Expression& e) {
    for (const Operation& operation : kSimplification) {
        if (std::optional<ExpressionPictures> pictures = operation(e)) return pictures;
    }
    return std::nullopt;
}

// The numerator with red marked, then the denominator with blue marked.
std::string show(const Rational_Expression& e) {
    return text(e.poly_N, Color::red) + " / " + text(e.poly_D, Color::blue);
}

template <typename List>
std::string show(const std::optional<List>& pictures) {
    if (!pictures) return "none";
    std::string out;
    for (const Rational_Expression& e : *pictures) out += (out.empty() ? "" : " => ") + show(e);
    return out;
}

// Numerator and denominator as text, and the pictures expected of them.
struct Case {
    std::string n, d, expected;
};

template <typename Operation>
void expectPictures(const Operation& operation, const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        EXPECT_EQ(show(operation(Rational_Expression{xl(c.n), xl(c.d)})), c.expected) << c.n << " over " << c.d;
    }
}

// The first coefficient of each part set to the least 64-bit value.
Rational_Expression leastFirst(const std::string& n, const std::string& d) {
    Rational_Expression e{xl(n), xl(d)};
    e.poly_N.terms[0][0].monomial.coefficient.numerator = std::numeric_limits<std::int64_t>::min();
    e.poly_D.terms[0][0].monomial.coefficient.numerator = std::numeric_limits<std::int64_t>::min();
    return e;
}

TEST(RationalExpression, LayoutAndPictureRewrites) {
    EXPECT_EQ(readLayout(rationalExpressionTags(Rational_Expression{{}, xl("[2]")}, false)), "{unexpected error/2}");
    const Rational_Expression marked = recolored(Rational_Expression{xl("[x, 1]"), xl("[2]"), Color::green}, Color::red,
                                                 Color::blue);  // the bar keeps its colour
    EXPECT_EQ(show(marked), "[*x, *1] / [*2]");
    EXPECT_EQ(marked.color, Color::green);
    expectPictures(kOperations[0],
                   {{"[x, 1]", "[1, x]", "[x, 1] / [*1, *x] => [x, 1] / [*x, *1]"},
                    // A bracket of a product is sorted, the product not flattened.
                    {"[1, x] [2(0)]", "[x]", "[*1, *x] [2*(0)] / [x] => [1, x] [*x, *1] [2*(1)] / [x]"}});
    // Brackets of a product other than its focus group: the −1, the content
    // (fractions too) and the constant left by factoring go to the root.
    expectPictures(kOperations[1],
                   {{"[-1] [x, 1] [1(0)(1)]", "[1]", "none"},
                    {"[x, 1] [-x, 3] [2(0)(1)]", "[1]",
                     "[x, 1] [*-x, *3] [2(0)*(1)] / [1] => [x, 1] [-x, 3] [*x, *-3] [*-2(0)*(2)] / [1]"}});
    expectPictures(kOperations[2],
                   {{"[0x^2, 0x]", "[2x, 4]", "[0x^2, 0x] / [*2x, *4] => [0x^2, 0x] / [*x, *2] [*2*(0)]"},
                    {"[x, 1] [1/2x, 1] [2x(0)(1)^2]", "[3]",
                     "[x, 1] [*1/2x, *1] [2x(0)*(1)^2] / [3] => [x, 1] [1/2x, 1] [*x, *2] [*1/2x(0)*(2)^2] / [3]"},
                    {"[1/2x, 1]", "[x]", "[*1/2x, *1] / [x] => [*x, *2] [*1/2*(0)] / [x]"}});
    expectPictures(
        kOperations[3],
        {{"[x^2, -1] [x, 2] [1(0)(1)]", "[x, 1]",
          "[*x^2, *-1] [x, 2] [1*(0)(1)] / [x, 1] => [x^2, -1] [x, 2] [*x, *1] [*x, *-1] [1*(2)*(3)(1)] / [x, 1]"},
         {"[1/2x^2, -2] [x, 1] [3(0)(1)]", "[x]",
          "[*1/2x^2, *-2] [x, 1] [3*(0)(1)] / [x] => [1/2x^2, -2] [x, 1] [*x, *2] [*x, *-2] [*3/2*(2)*(3)(1)] / [x]"}});
}

TEST(RationalExpression, QuestionsOfBothParts) {
    // Each question answers for the numerator alone, the denominator alone, or neither.
    struct Question {
        std::string n, d;
        bool sorted, factors, common, negative, undefined;
    };
    const std::vector<Question> cases{
        {"[x^2, -1]", "[x, 1]", true, true, false, false, false},
        {"[x, 1]", "[x^2, -1]", true, true, false, false, false},
        {"[2x, 4]", "[x, 1]", true, false, true, false, false},
        {"[x, 1]", "[2x, 4]", true, false, true, false, false},
        {"[-x, 1]", "[x, 2]", true, false, false, true, false},
        {"[x, 2]", "[-x, 1]", true, false, false, true, false},
        {"[1, x]", "[x, 2]", false, false, false, false, false},
        {"[x, 2]", "[1, x]", false, false, false, false, false},
        {"[x, 1/0]", "[x]", true, false, false, false, true},
        {"[x]", "[x, 1/0]", true, false, false, false, true},
    };
    for (const Question& q : cases) {
        const Rational_Expression e{xl(q.n), xl(q.d)};
        EXPECT_EQ(isSortedPlain(e), q.sorted) << q.n << " over " << q.d;
        EXPECT_EQ(canFactorFocusGroup(e), q.factors) << q.n << " over " << q.d;
        EXPECT_EQ(hasCommonMonomialFactor(e), q.common) << q.n << " over " << q.d;
        EXPECT_EQ(hasNegativeLeadingCoefficient(e), q.negative) << q.n << " over " << q.d;
        EXPECT_EQ(hasZeroDenominator(e), q.undefined) << q.n << " over " << q.d;
    }
    EXPECT_TRUE(isConstant(5, Rational_Expression{xl("[5]"), xl("[1]")}));
    EXPECT_FALSE(isConstant(5, Rational_Expression{xl("[5]"), xl("[2]")}));
    EXPECT_FALSE(isConstant(5, Rational_Expression{xl("[10]"), xl("[2]")}));  // nothing is reduced
}

TEST(RationalExpression, DefaultIsZeroOverOneAndMalformedPartsAreRefused) {
    EXPECT_EQ(show(Rational_Expression{}), "[0] / [1]");
    EXPECT_TRUE(isConstant(0, Rational_Expression{}));
    EXPECT_EQ(Rational_Expression{}.color, Color::black);

    // No groups, an empty group, a factor naming its own group or a later one:
    // on either side, every rewrite answers none and nothing is shared.
    std::vector<Polynomial_XL> malformed{Polynomial_XL{}, xl("[x, 1] []"), xl("[] [x, 1] [2(0)(1)]"),
                                         xl("[x, 1] [2(1)]"), xl("[x(1)] [x, 1] [2(0)]")};
    for (const Polynomial_XL& bad : malformed) {
        for (const Rational_Expression& e : {Rational_Expression{bad, xl("[x, 1] [x(0)]")},
                                             Rational_Expression{xl("[x, 1] [x(0)]"), bad}}) {
            EXPECT_FALSE(sharesFactor(e)) << show(e);
            EXPECT_EQ(show(finalFormPictures(e)), "none") << show(e);
            for (const Operation& operation : kSimplification) EXPECT_EQ(show(operation(e)), "none") << show(e);
        }
    }
}

TEST(RationalExpression, FinalForm) {
    expectPictures(finalFormPictures, {
                                          {"[0]", "[5x]", "[0] / [5x] => [0] / [1]"},
                                          {"[3]", "[-2]", "[3] / [-2] => [-3] / [2]"},
                                          {"[6x]", "[4x]", "none"},
                                          {"[x, 1]", "[-2x]", "[x, 1] / [-2x] => [x, 1] [-1(0)] / [2x]"},
                                          {"[x^2, 2x]", "[x, 1]", "none"},
                                          {"[x, 1]", "[x, 2]", "[x, 1] / [x, 2]"},
                                          {"[x, 1]", "[x, 1]", "none"},  // equal sums cancel
                                          {"[x, 1] [x, 2] [1(0)(1)]", "[x, 1]", "none"},
                                          {"[x, 1] [3(0)]", "[x, 2] [-2(0)]",
                                           "[x, 1] [3(0)] / [x, 2] [-2(0)] => [x, 1] [-3(0)] / [x, 2] [2(0)]"},
                                          {"[1/2x]", "[-3]", "[1/2x] / [-3] => [-1/2x] / [3]"},
                                          {"[-1]", "[-1]", "[-1] / [-1] => [1] / [1]"},
                                          {"[1/0]", "[2]", "none"},
                                          // A denominator worth 0, however written, gives no value.
                                          {"[0]", "[0]", "none"},
                                          {"[x, 1]", "[0]", "none"},
                                          {"[x, 1]", "[1, -1] [x(0)]", "none"},
                                          // Whatever the shape, nothing may be left in common by value.
                                          {"[x^2, -1] [x, 2] [1(0)(1)]", "[x, 1]", "none"},
                                          {"[2x, 4] [1(0)]", "[x, 2] [1] [1(0)(1)]", "none"},
                                          {"[x, 1] [x, -3] [1(0)(1)]", "[x, 2] [3, -x] [1(0)(1)]", "none"},
                                          {"[x, -2]", "[2, -x] [1(0)]", "none"},
                                          {"[2x^2, 4x, 6] [x(0)]", "[4]", "none"},
                                          {"[2/2]", "[2/2x]", "[2/2] / [2/2x]"},  // read in lowest terms
                                          // Nothing shared, though multiplied out it would not fit.
                                          {"[665z, 122606] [1000003(0)]",
                                           "[479z, 276160] [323z, -988451] [3(0)^2(1)^2]",
                                           "[665z, 122606] [1000003(0)] / [479z, 276160] [323z, -988451] "
                                           "[3(0)^2(1)^2]"},
                                          // A common monomial factor left in a part that cannot be factored.
                                          {"[2x, 4]", "[x, 3]", "none"},
                                          {"[x, 3]", "[2x^2, 2]", "none"},
                                          // A numerator worth 0 closes with 0/1 whatever its shape.
                                          {"[1, -1] [x(0)]", "[5]", "[1, -1] [x(0)] / [5] => [0] / [1]"},
                                          {"[x^2, -x^2, 1, -1]", "[x, 1]", "[x^2, -x^2, 1, -1] / [x, 1] => [0] / [1]"},
                                          {"[1, -1] [x(0)]", "[-5]", "[1, -1] [x(0)] / [-5] => [0] / [1]"},
                                      });
    EXPECT_EQ(show(finalFormPictures(leastFirst("[1]", "[-1]"))), "none");
    Polynomial_XL least = xl("[1/2x]");  // −2^63/2·x cannot be negated as it is written
    least.terms[0][0].monomial.coefficient.numerator = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(show(finalFormPictures(Rational_Expression{least, xl("[-3]")})), "none");
    // By value: a common factor, a common constant, neither, undecided.
    EXPECT_EQ(sharesFactorOrConstant(xl("[x, 1] [2x, 3] [1(0)(1)]"), xl("[3, 2x]")), true);
    EXPECT_EQ(sharesFactorOrConstant(xl("[4x, 2]"), xl("[6]")), true);
    EXPECT_EQ(sharesFactorOrConstant(xl("[1/2x, 1]"), xl("[x, 1]")), false);
    EXPECT_EQ(sharesFactorOrConstant(xl("[x, 1] [1(0)^300]"), xl("[x, 1]")), std::nullopt);
    // Nothing shared, found modulo a prime, though Euclid's remainders over
    // the rationals would not fit; and a factor shared, found though they
    // do not fit.
    const std::string a = "[1000003x^3, 999983x^2, 999979x, 999961]";
    const std::string b = "[999953x^3, 999931x^2, 999917x, 999907]";
    EXPECT_EQ(sharesFactorOrConstant(xl(a), xl(b)), false);
    EXPECT_EQ(sharesFactorOrConstant(xl("[1000003x^4, 1999986x^3, 1999962x^2, 1999940x, 999961]"),
                                     xl("[999953x^4, 1999884x^3, 1999848x^2, 1999824x, 999907]")),
              true);  // both are x + 1 times the above
    EXPECT_EQ(sharesFactorOrConstant(xl("[1, -1] [0x(0), 1]"), xl("[x, 1]")), false);  // 0·0 + 1 is 1
    EXPECT_EQ(show(finalFormPictures(Rational_Expression{Polynomial_XL{{{}}}, xl("[2]")})), "none");
}

TEST(RationalExpression, SplitCommonMonomial) {
    expectPictures(splitCommonMonomialPictures,
                   {
                       {"[6x^2]", "[4x]", "[*6x^2] / [*4x] => [*3x] [*2x*(0)] / [*2] [*2x*(0)]"},
                       {"[3]", "[3x]", "[*3] / [*3x] => [*3] / [*x] [*3*(0)]"},
                       {"[5x]", "[5x]", "none"},
                       {"[2]", "[3x]", "none"},
                       {"[x, 1] [1(0)]", "[2x]", "none"},
                       {"[6y^2]", "[4y]", "[*6y^2] / [*4y] => [*3y] [*2y*(0)] / [*2y^0] [*2y*(0)]"},
                       {"[-1] [6x^2] [x, 1] [1(0)(1)(2)]", "[4x]",
                        "[-1] [*6x^2] [x, 1] [1(0)*(1)(2)] / [*4x] => "
                        "[-1] [*2x] [*3x] [x, 1] [1(0)*(1)*(2)(3)] / [*2] [*2x*(0)]"},
                       {"[x, 1] [6x^2] [3(0)(1)]", "[4x]", "none"},  // a root coefficient other than 1
                       {"[6x^2] [x, 1] [1(0)(1)]", "[4x]", "none"},  // the monomial first
                       // Another group names the monomial's: splitting it would drop a factor.
                       {"[x, 1] [6x^2] [x(1), 2] [1(0)(1)(2)]", "[4x]", "none"},
                       {"[0x]", "[0x^2]", "none"},                   // g = 0
                       // Groups moved up keep naming the groups they named.
                       {"[x, 1] [x(0), 2] [6x^2(1)]", "[4x]",
                        "[x, 1] [x(0), 2] [*6x^2(1)] / [*4x] => [*3x] [x, 1] [x(1), 2] [*2x*(0)(2)] / [*2] [*2x*(0)]"},
                   });
    EXPECT_EQ(show(splitCommonMonomialPictures(leastFirst("[x]", "[x^2]"))), "none");
    EXPECT_EQ(splitOffMonomial(xl("[x, 1] [2x(0)]"), 2, 2, 1, Color::red), std::nullopt);  // no group 2
}

TEST(RationalExpression, Cancelling) {
    expectPictures(
        cancellationPictures,
        {
            {"[x, 1]", "[x, 1] [x, -2] [1(0)(1)]",
             "[*x, *1] / [*x, *1] [x, -2] [1*(0)(1)] => [1] / [*x, *1] [x, -2] [1(1)]"},
            {"[x, 1] [1(0)^2]", "[x, 1]", "[*x, *1] [1*(0)^2] / [*x, *1] => [*x, *1] [1(0)] / [1]"},
            {"[x, 1] [x, 1] [1(0)(1)]", "[x, 1] [1(0)^2]",
             "[*x, *1] [*x, *1] [1*(0)*(1)] / [*x, *1] [1*(0)^2] => [*x, *1] [*x, *1] [1] / [*x, *1] [1]"},
            {"[x, 1] [x, 1] [1(0)(1)]", "[x, 1] [x, 2] [1(0)(1)]",
             "[*x, *1] [x, 1] [1*(0)(1)] / [*x, *1] [x, 2] [1*(0)(1)] => "
             "[*x, *1] [x, 1] [1(1)] / [*x, *1] [x, 2] [1(1)]"},
            {"[x, 1]", "[1, x]", "none"},
            {"[1]", "[1]", "none"},
            {"[0]", "[0]", "none"},  // factors worth 0 are not cancelled
            {"[1, -1]", "[1, -1]", "none"},
            {"[x, 2]", "[-1] [x, 1] [1(0)(1)]",
             "[x, 2] / [-1] [x, 1] [1(0)(1)] => [x, 2] [-1(0)] / [-1] [x, 1] [1(1)]"},
            // A denominator −1, or −1 times a bracket, moves its sign up.
            {"[x, 1]", "[-1]", "[x, 1] / [-1] => [x, 1] [-1(0)] / [1]"},
            {"[x, 2]", "[x, 1] [-1(0)]", "[x, 2] / [x, 1] [-1(0)] => [x, 2] [-1(0)] / [x, 1] [1(0)]"},
            // The mark falls on the coefficient in front, not the bracket.
            {"[2x] [2x(0)]", "[2x]", "[2x] [*2x(0)] / [*2x] => [2x] [2x] / [1]"},
            {"[2x]", "[2x] [2x(0)]", "[*2x] / [2x] [*2x(0)] => [1] / [2x] [2x]"},
            {"[3] [3(0)]", "[x, 1] [3(0)]", "[3] [*3(0)] / [x, 1] [*3(0)] => [3] [3] / [x, 1] [1(0)]"},
            {"[x, 1] [3] [1(0)(1)]", "[x, 2]",
             "[x, 1] [3] [1(0)(1)] / [x, 2] => [x, 1] [3] [3(0)] / [x, 2]"},  // a later one-term bracket is taken in
            {"[3] [x, 1] [x(1)]", "[3]", "none"},                             // a group nothing names
            {"[x, 1] [x(0), 2]", "[x, 2]", "none"},                           // a sum with factors
            {"[x, 1] [1(3)]", "[x, 1]", "none"},                              // a pointer to a missing group
            {"[x, 2]", "[-1, x]", "none"},  // a sum whose first term is −1 keeps its sign
            // The powers of a bracket add up past the largest 64-bit value.
            {"[x, 1] [1(0)^9223372036854775807(0)^9223372036854775807(0)^9223372036854775807]", "[x, 1]", "none"},
            // The bracket (1) is no factor and keeps its colour.
            {"[x, 1] [1] [1(0)(1)]", "[x, 1]", "[*x, *1] [1] [1*(0)(1)] / [*x, *1] => [*x, *1] [1] [1] / [1]"},
        });
    EXPECT_FALSE(sharesFactor(Rational_Expression{
        xl("[x, 1] [1(0)^9223372036854775807(0)^9223372036854775807(0)^9223372036854775807]"), xl("[x, 1]")}));
    // Moving the sign of a denominator −1 up would negate the least 64-bit
    // value, with or without a cancelled bracket: no picture, not even the
    // one that takes in the later bracket 1/2.
    Rational_Expression least{xl("[x, 1] [1/2] [1(0)(1)]"), xl("[-1]")};
    least.poly_N.terms[2][0].monomial.coefficient.numerator = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(show(cancellationPictures(least)), "none");
    least.poly_D = xl("[x, 1] [-1(0)]");
    EXPECT_EQ(show(cancellationPictures(least)), "none");
    Rational_Expression green{xl("[x, 2]"), xl("[-1] [x, 1] [1(0)(1)]"), Color::green};
    EXPECT_EQ(cancellationPictures(green)->front().color, Color::green);
    green.poly_N = xl("[x, 1]");
    EXPECT_EQ(cancellationPictures(green)->front().color, Color::black);
}

// Exact rationals of the test's own, wide enough for every value checked.
struct Exact {
    __int128 n = 0;
    __int128 d = 1;
};

__int128 wideGcd(__int128 a, __int128 b) {
    if (a < 0) a = -a;
    if (b < 0) b = -b;
    while (b != 0) a = std::exchange(b, a % b);
    return a;
}

Exact exact(__int128 n, __int128 d) {
    if (d < 0) n = -n, d = -d;
    const __int128 g = wideGcd(n, d);
    return g > 1 ? Exact{n / g, d / g} : Exact{n, d};
}

// Set when a value does not fit, so that no comparison rests on it.
bool exactOverflowed = false;

__int128 wideProduct(__int128 a, __int128 b) {
    __int128 result = 0;
    if (__builtin_mul_overflow(a, b, &result)) exactOverflowed = true;
    return result;
}

Exact operator+(Exact a, Exact b) {
    __int128 n = 0;
    if (__builtin_add_overflow(wideProduct(a.n, b.d), wideProduct(b.n, a.d), &n)) exactOverflowed = true;
    return exact(n, wideProduct(a.d, b.d));
}

Exact operator*(Exact a, Exact b) {
    return exact(wideProduct(a.n, b.n), wideProduct(a.d, b.d));
}

bool operator==(Exact a, Exact b) {
    return a.n == b.n && a.d == b.d;
}

Exact exactPower(Exact x, std::uint64_t n) {
    Exact result{1, 1};
    for (std::uint64_t k = 0; k < n; ++k) result = result * x;
    return result;
}

// The value of a group at x, by following its pointers.
Exact exactValue(const Polynomial_XL& p, std::size_t group, Exact x) {
    Exact sum;
    for (const Term_XL& t : p.terms.at(group)) {
        Exact term = exact(t.monomial.coefficient.numerator, t.monomial.coefficient.denominator) *
                     exactPower(x, t.monomial.exponent);
        for (const Factor& f : t.factors) term = term * exactPower(exactValue(p, f.pointer, x), f.exponent);
        sum = sum + term;
    }
    return sum;
}

// Coefficients by power (lowest first) of a group multiplied out.
std::vector<Exact> exactCoefficients(const Polynomial_XL& p, std::size_t group) {
    std::vector<Exact> sum;
    for (const Term_XL& t : p.terms.at(group)) {
        std::vector<Exact> term(t.monomial.exponent + 1);
        term.back() = exact(t.monomial.coefficient.numerator, t.monomial.coefficient.denominator);
        for (const Factor& f : t.factors) {
            const std::vector<Exact> base = exactCoefficients(p, f.pointer);
            for (std::uint64_t k = 0; k < f.exponent; ++k) {
                std::vector<Exact> next(term.size() + base.size() - 1);
                for (std::size_t i = 0; i < term.size(); ++i) {
                    for (std::size_t j = 0; j < base.size(); ++j) next[i + j] = next[i + j] + term[i] * base[j];
                }
                term = next;
            }
        }
        if (sum.size() < term.size()) sum.resize(term.size());
        for (std::size_t i = 0; i < term.size(); ++i) sum[i] = sum[i] + term[i];
    }
    return sum;
}

// The gcd of the numerators of the coefficients of a part.
__int128 contentNumerator(const Polynomial_XL& p) {
    __int128 g = 0;
    for (const Exact& c : exactCoefficients(p, p.terms.size() - 1)) g = wideGcd(g, c.n);
    return g;
}

Exact at(const Polynomial_XL& p, Exact x) {
    return exactValue(p, p.terms.size() - 1, x);
}

// The coefficients made whole (times the lcm of their denominators), the
// constant first, without zeros at the end.
std::vector<__int128> wholeCoefficients(const std::vector<Exact>& c) {
    __int128 scale = 1;
    for (const Exact& x : c) scale = wideProduct(scale, x.d / wideGcd(scale, x.d));
    std::vector<__int128> whole;
    for (const Exact& x : c) whole.push_back(wideProduct(x.n, scale / x.d));
    while (!whole.empty() && whole.back() == 0) whole.pop_back();
    return whole;
}

// The degree of the gcd over the rationals of two non-zero polynomials with
// whole coefficients: the least degree of the gcd of their images modulo a
// few primes that divide neither leading coefficient, which is never below
// it (Euclid's remainders over the rationals would not fit 128 bits).
std::size_t commonDegree(const std::vector<__int128>& a, const std::vector<__int128>& b) {
    std::size_t least = std::min(a.size(), b.size()) - 1;
    for (const std::int64_t p : {1000000007, 998244353, 1000000009}) {
        const auto image = [p](const std::vector<__int128>& c) {
            std::vector<std::int64_t> r;
            for (const __int128 x : c) r.push_back(static_cast<std::int64_t>((x % p + p) % p));
            return r;
        };
        const auto inverse = [p](std::int64_t x) {
            std::int64_t result = 1;
            for (std::int64_t e = p - 2; e > 0; e >>= 1, x = x * x % p) {
                if (e & 1) result = result * x % p;
            }
            return result;
        };
        std::vector<std::int64_t> x = image(a), y = image(b);
        if (x.back() == 0 || y.back() == 0) continue;
        while (!y.empty()) {
            const std::int64_t lead = inverse(y.back());
            while (x.size() >= y.size()) {
                const std::int64_t factor = x.back() * lead % p;
                const std::size_t shift = x.size() - y.size();
                for (std::size_t i = 0; i < y.size(); ++i) x[shift + i] = ((x[shift + i] - factor * y[i]) % p + p) % p;
                while (!x.empty() && x.back() == 0) x.pop_back();
            }
            std::swap(x, y);
        }
        least = std::min(least, x.size() - 1);
    }
    return least;
}

// A factor p·v + q, or a factorable quadratic: the product of two of them.
struct Linear {
    std::int64_t p, q;
};

// s·v^e times the factors, multiplied out into one group, highest power
// first, its coefficients over 1 (times s, which may be a fraction).
TermGroup multipliedOut(Exact s, std::uint64_t e, const std::vector<Linear>& factors, char v) {
    std::vector<Exact> c{s};
    for (const Linear& f : factors) {
        std::vector<Exact> next(c.size() + 1);
        for (std::size_t k = 0; k < c.size(); ++k) {
            next[k] = next[k] + Exact{f.q, 1} * c[k];
            next[k + 1] = next[k + 1] + Exact{f.p, 1} * c[k];
        }
        c = next;
    }
    TermGroup group;
    for (std::size_t k = c.size(); k-- > 0;) {
        if (c[k].n == 0) continue;
        group.push_back(Term_XL{
            Monomial{Rational{static_cast<std::int64_t>(c[k].n), static_cast<std::int64_t>(c[k].d)}, e + k, v}, {}});
    }
    return group;
}

// Simplifies the expression in the order of kSimplification, each step starting
// from the black after picture of the last, and checks that every picture
// has the value of the start at points that are no root of anything here,
// that it ends in a form the final-form check accepts, and that this form
// has no common root (among the small fractions a/b), no common factor (by a
// gcd of its own) and no common constant, or is 0/1. Every power is written
// in the letter v. Returns the last closing picture.
Rational_Expression expectSimplified(const Rational_Expression& start, char v = 'x') {
    const std::vector<Exact> points{{7, 11}, {-13, 17}, {29, 23}};
    std::string others = "xyz";
    std::erase(others, v);
    const auto keeps = [&](const Rational_Expression& picture) {
        if (show(picture).find_first_of(others) != std::string::npos) {
            return ::testing::AssertionFailure() << show(picture) << " is not in " << v;
        }
        exactOverflowed = false;
        for (const Exact& x : points) {
            const Exact value = at(start.poly_N, x) * exact(at(start.poly_D, x).d, at(start.poly_D, x).n);
            const Exact now = at(picture.poly_N, x) * exact(at(picture.poly_D, x).d, at(picture.poly_D, x).n);
            if (!(value == now) && !exactOverflowed) {
                return ::testing::AssertionFailure() << show(picture) << " differs from " << show(start);
            }
        }
        if (exactOverflowed) return ::testing::AssertionFailure() << show(picture) << " is too large to check";
        return ::testing::AssertionSuccess();
    };
    Rational_Expression e = start;
    int steps = 0;
    for (; steps < 60; ++steps) {
        const std::optional<ExpressionPictures> pictures = firstRewrite(e);
        if (!pictures) break;
        EXPECT_TRUE(keeps((*pictures)[0]));
        EXPECT_TRUE(keeps((*pictures)[1]));
        e = recolored((*pictures)[1], Color::black);
    }
    EXPECT_LT(steps, 60) << show(start) << " does not settle";
    const std::optional<std::vector<Rational_Expression>> closing = finalFormPictures(e);
    EXPECT_TRUE(closing) << show(start) << " ends unfinished at " << show(e);
    if (!closing) return e;
    for (const Rational_Expression& picture : *closing) EXPECT_TRUE(keeps(picture));
    if (at(e.poly_N, {7, 11}).n == 0) {
        EXPECT_EQ(show(closing->back()), "[0] / [1]") << show(start) << " ends at " << show(e);
        return closing->back();
    }
    for (std::int64_t b = 1; b <= 12; ++b) {
        for (std::int64_t a = -12; a <= 12; ++a) {
            if (wideGcd(a, b) != 1) continue;
            const Exact x{a, b};
            EXPECT_FALSE(at(e.poly_N, x).n == 0 && at(e.poly_D, x).n == 0)
                << show(start) << " ends at " << show(e) << ", both 0 at " << a << "/" << b;
        }
    }
    exactOverflowed = false;
    const std::size_t common = commonDegree(wholeCoefficients(exactCoefficients(e.poly_N, e.poly_N.terms.size() - 1)),
                                            wholeCoefficients(exactCoefficients(e.poly_D, e.poly_D.terms.size() - 1)));
    EXPECT_FALSE(exactOverflowed) << show(e) << " is too large to check";
    EXPECT_EQ(common, 0u) << show(start) << " ends at " << show(e) << " with a common factor";
    EXPECT_EQ(wideGcd(contentNumerator(e.poly_N), contentNumerator(e.poly_D)), 1)
        << show(start) << " ends at " << show(e) << " with a common constant";
    return closing->back();
}

// The simplification of n over d, checked as above: its last closing picture.
std::string ending(const std::string& n, const std::string& d) {
    return show(expectSimplified(Rational_Expression{xl(n), xl(d)}));
}

TEST(RationalExpression, SharedFactorsWithoutARationalRootAreWrittenOutAndCancelled) {
    expectPictures(sharedFactorPictures,
                   {
                       {"[x^4, 3x^2, 2]", "[x^2, 1]",
                        "[*x^4, *3x^2, *2] / [*x^2, *1] => [*x^2, *1] [*x^2, *2] [*1*(0)*(1)] / [*x^2, *1] [*1*(0)]"},
                       // A bracket is written out to its power, the other brackets kept.
                       {"[x, 3] [x^4, 3x^2, 2] [2(0)(1)^2]", "[x^2, 1] [x, 2] [1(0)(1)]",
                        "[x, 3] [*x^4, *3x^2, *2] [2(0)*(1)^2] / [*x^2, *1] [x, 2] [1*(0)(1)] => "
                        "[x, 3] [x^4, 3x^2, 2] [*x^2, *1] [*x^2, *2] [2(0)*(2)^2*(3)^2] / "
                        "[x^2, 1] [x, 2] [*x^2, *1] [1*(2)(1)]"},
                       {"[x, 1]", "[x, 2]", "none"},
                       // Values that do not fit: a sum of like terms, a monic form, a
                       // bracket squared; powers too high to expand; no value at all.
                       {"[9223372036854775807x, 9223372036854775807x, 1]", "[x^2, 1]", "none"},
                       {"[x, 1]", "[1/3x, 4611686018427387904]", "none"},
                       {"[x, 1] [4611686018427387904(0)^2, 1] [1(1)]", "[x, 1]", "none"},
                       {"[x^1000000000000, 1]", "[x, 1]", "none"},
                       {"[x^1000, 1] [x(0), 1]", "[x, 1]", "none"},
                       {"[x^256] [1(0)^256(0)^256(0)^256(0)^256, 1]", "[x, 1]", "none"},
                       {"[1] [x(0)^4611686018427387904, 1]", "[x, 1]", "none"},
                       {"[x, 1/0]", "[x, 1]", "none"},
                       // Each of a chain of brackets, each used twice, is valued once.
                       {"[1] [1(0)(0)] [1(1)(1)] [1(2)(2)] [1(3)(3)] [1(4)(4)] [1(5)(5)] [1(6)(6)] [1(7)(7)] [1(8)(8)] [1(9)(9)] [1(10)(10)] [1(11)(11)] [1(12)(12)] [1(13)(13)] [1(14)(14)] [1(15)(15)] [1(16)(16)] [1(17)(17)] [1(18)(18)] [1(19)(19)] [1(20)(20)] [1(21)(21)] [1(22)(22)] [1(23)(23)] [1(24)(24)] [1(25)(25)] [1(26)(26)] [1(27)(27)] [1(28)(28)] [1(29)(29)] [1(30)(30)] [1(31)(31)] [1(32)(32)] [1(33)(33)] [1(34)(34)] [1(35)(35)] [1(36)(36)] [1(37)(37)] [1(38)(38)] [1(39)(39)] [x(40), 1]", "[x, 2]", "none"},
                       {"[x, 1]", "[x^2, 2x, 1]",  // a shared factor of degree 1
                        "[*x, *1] / [*x^2, *2x, *1] => [*x, *1] [*1*(0)] / [*x, *1] [*x, *1] [*1*(0)*(1)]"},
                       {"[x, 1] [x(0)]", "[x, 2] [x(0)]", "none"},  // the roots' own x is not written out
                       // The shared factor made whole would not fit.
                       {"[x^2, 1/4294967311x, 1/4294967291]", "[x^2, 1/4294967311x, 1/4294967291] [x, 1] [1(0)(1)]",
                        "none"},
                       {"[2x^2, 2]", "[x^2, 1]",  // a constant quotient multiplies the root
                        "[*2x^2, *2] / [*x^2, *1] => [*x^2, *1] [*2*(0)] / [*x^2, *1] [*1*(0)]"},
                       // The constant quotient 2 taken into the root would not fit.
                       {"[2x^2, 2] [9223372036854775807(0)]", "[x^2, 1]", "none"},
                   });
    const std::vector<Case> cases{
        {"[x^4, 3x^2, 2]", "[x^2, 1]", "[x^2, 1] [x^2, 2] [1(1)] / [x^2, 1] [1]"},
        {"[x^4, 2x^2, 1]", "[x^2, 1]", "[x^2, 1] [x^2, 1] [1(1)] / [x^2, 1] [1]"},
        {"[x^4, x^2, 1]", "[x^2, x, 1]", "[x^2, x, 1] [x^2, -x, 1] [1(1)] / [x^2, x, 1] [1]"},
        {"[x^4, 3x^2, 2]", "[x^4, 4x^2, 3]", "[x^2, 1] [x^2, 2] [1(1)] / [x^2, 1] [x^2, 3] [1(1)]"},
        {"[3x]", "[x^2, x]", "[3] [3] / [x, 1] [1(0)]"},
        // Euclid's remainders over the rationals pass 2^63 on the way.
        {"[4x^7, -5x^6, -7x^5, 10x^4, 4x^2, -4x, -8]", "[5x^7, 5x^6, -9x^5, -14x^4, 2x^3, 3x^2, -8x, 10]",
         "[x^2, -2] [4x^5, -5x^4, x^3, 2x, 4] [1(1)] / [x^2, -2] [5x^5, 5x^4, x^3, -4x^2, 4x, -5] [1(1)]"},
        {"[9x^7, -5x^6, 7x^5, -4x^4, 2x^3, -2x^2, 4x, -3]", "[5x^7, 5x^6, 4x^5, 11x^4, -6x^3, 5x^2, -5x, -1]",
         "[x^2, 1] [9x^5, -5x^4, -2x^3, x^2, 4x, -3] [1(1)] / [x^2, 1] [5x^5, 5x^4, -x^3, 6x^2, -5x, -1] [1(1)]"},
        // Fractions near 2^62 whose whole form passes 64 bits.
        {"[4x^5, 602891x^4, -17592181824293/2x^3, -1325771329564206586x^2, -4640074309144936448x, 2651481086474846208]",
         "[2x] [x, -1/2] [x, 4] [1(0)(1)(2)]",
         "[2x, -1] [2x^4, 602893/2x^3, -4398045305350x^2, -662887863804755968x, -2651481086474846208] [x, 4] "
         "[4x, 602877] [x^2, -2199023255552] [1/2(3)(4)] / [2x] [x, -1/2] [x, 4] [2x, -1] [2x, -1] [x]"},
        {"[4x^2, -8x, 8]", "[2x^4, -16x^3, 10x^2, 12x, -36]",
         "[2] [x^2, -2x, 2] [x^2, -2x, 2] [2] / [x^4, -8x^3, 5x^2, 6x, -18] [x^2, -2x, 2] [x^2, -6x, -9] [1(2)]"},
    };
    for (const Case& c : cases) EXPECT_EQ(ending(c.n, c.d), c.expected) << c.n << " over " << c.d;
}

TEST(RationalExpression, ZeroTermsGoFirstAndZeroEndsAsZero) {
    expectPictures(zeroTermPictures, {
                                         {"[0x^2, 0]", "[x, 2]", "[*0x^2, *0] / [x, 2] => [*0] / [x, 2]"},
                                         {"[x, 1] [0x, 0] [1(0)(1)]", "[x, 0]",
                                          "[*x, *1] [*0x, *0] [*1*(0)*(1)] / [*x, *0] => [*x, *1] [*0] [*0] / [*x]"},
                                         {"[0]", "[x, 2]", "none"},
                                         // Only the root loses its factors.
                                         {"[x, 1] [0] [1(0)(1)]", "[5]", "[*x, *1] [*0] [*1*(0)*(1)] / [5] => [*x, *1] [*0] [*0] / [5]"},
                                     });
    // Every summed coefficient is 0: nothing to factor, not x + 1 times nothing.
    EXPECT_EQ(show(factorPictures(Rational_Expression{xl("[x^2, 1, -x^2, -1]"), xl("[x, 1]")})), "none");
    const std::vector<Case> cases{
        {"[0x^2, 0]", "[x, 2]", "[0] / [1]"},
        {"[1, -1] [x(0)]", "[5]", "[0] / [1]"},
        {"[x, 1] [0x, 0] [1(0)(1)]", "[5]", "[0] / [1]"},
        {"[x^2, 1, -x^2, -1]", "[x, 1]", "[0] / [1]"},
        {"[x^2, 1, -x^2, -1]", "[x^2, -4]", "[0] / [1]"},
        {"[3x]", "[x, 0]", "[3] [3] / [1]"},
        {"[5x^3, -11x^2, 7x, 0] [-x(0)]", "[x, -1]", "[5x^3, -11x^2, 7x] [5x^2, -11x, 7] [-x^2(1)] / [x, -1]"},
    };
    for (const Case& c : cases) EXPECT_EQ(ending(c.n, c.d), c.expected) << c.n << " over " << c.d;
}

TEST(RationalExpression, SimplificationsKeepTheValueAndEndFinal) {
    const std::vector<std::pair<std::string, std::string>> examples{
        {"[1/2x^2, -1/2]", "[x, -1]"},
        {"[27x^8, -9x^7, 15x^6, -5x^5, -6x^4, 2x^3, 3x^2, 503x, -168]", "[3x, -1]"},
        {"[x^2, -1] [x, 2] [1(0)(1)]", "[x, 1]"},
        {"[2x, 4] [x, -1] [1(0)(1)]", "[x^2, x, -2]"},
        {"[x, 1] [x, -3] [1(0)(1)]", "[x, 2] [3, -x] [1(0)(1)]"},
        {"[x, -2]", "[2, -x] [1(0)]"},
        {"[2x^2, 4x, 6] [2x(0)]", "[8]"},
        {"[4x^2, 28x, -32] [-x(0)]", "[6x, -8] [x, 8] [10x(0)^2(1)]"},
        {"[2/2]", "[2/2x]"},
        {"[x, 1] [2/2(0)]", "[2/2] [x, 2] [1(0)(1)]"},
        // x(x + 1)² + 1 over itself multiplied out.
        {"[x, 1] [x(0)^2, 1]", "[x^3, 2x^2, x, 1]"},
    };
    for (const auto& [n, d] : examples) expectSimplified(Rational_Expression{xl(n), xl(d)});

    SystemRandomSource draws(2026);
    const auto nonzero = [&draws](std::int64_t bound) {
        const std::int64_t value = draws.uniformInt(1, bound);
        return draws.fairBool() ? value : -value;
    };
    const auto linear = [&] { return Linear{draws.uniformInt(1, 3), nonzero(5)}; };
    for (int round = 0; round < 300; ++round) {
        const char v = "xyz"[draws.uniformIndex(3)];
        // Factors of one or two linear factors (a factorable quadratic);
        // shared ones go into both parts, some of them negated in one.
        const auto factors = [&](std::int64_t most) {
            std::vector<std::vector<Linear>> list;
            for (std::int64_t k = draws.uniformInt(0, most); k > 0; --k) {
                list.push_back({linear()});
                if (draws.uniformInt(0, 3) == 0) list.back().push_back(linear());
            }
            return list;
        };
        const auto shared = factors(2);
        auto top = factors(2), bottom = factors(1);
        top.insert(top.end(), shared.begin(), shared.end());
        for (std::vector<Linear> f : shared) {
            if (f.size() == 1 && draws.fairBool()) f[0] = Linear{-f[0].p, -f[0].q};
            bottom.insert(bottom.begin(), f);
        }
        // Coefficients whole or fractions, with a constant the parts may share.
        const std::int64_t common = draws.uniformInt(1, 4);
        const auto constant = [&] { return exact(common * nonzero(3), draws.uniformInt(0, 2) == 0 ? 2 : 1); };
        const auto power = [&draws] { return static_cast<std::uint64_t>(draws.uniformInt(0, 2)); };
        const auto part = [&](const std::vector<std::vector<Linear>>& list, bool factored) {
            const Exact s = constant();
            if (!factored) {
                std::vector<Linear> all;
                for (const std::vector<Linear>& f : list) all.insert(all.end(), f.begin(), f.end());
                Polynomial_XL p{{multipliedOut(s, power(), all, v)}};
                if (draws.fairBool()) std::reverse(p.terms[0].begin(), p.terms[0].end());
                return p;
            }
            Polynomial_XL p;
            Term_XL root{Monomial{Rational{static_cast<std::int64_t>(s.n), static_cast<std::int64_t>(s.d)}, power(), v},
                         {}};
            for (const std::vector<Linear>& f : list) {
                root.factors.push_back(Factor{p.terms.size(), draws.uniformInt(0, 3) == 0 ? 2u : 1u});
                // A bracket sometimes over 2, or written constant first.
                const Exact scale = exact(1, draws.uniformInt(0, 3) == 0 ? 2 : 1);
                p.terms.push_back(multipliedOut(scale, 0, f, v));
                if (draws.uniformInt(0, 3) == 0) std::reverse(p.terms.back().begin(), p.terms.back().end());
            }
            p.terms.push_back({root});
            return p;
        };
        expectSimplified(Rational_Expression{part(top, draws.fairBool()), part(bottom, draws.fairBool())}, v);
    }
}

// Quotients of degree up to 12 whose parts share a factor with or without a
// rational root (x² + 2, 2x² − 3, x² + x + 1 have none), or nothing, with
// whole or fractional coefficients, multiplied out or in brackets, and terms
// written with a coefficient 0 here and there. Cofactors of degree 3 to 5
// with one-digit coefficients make Euclid's remainders over the rationals
// grow past 64 bits.
TEST(RationalExpression, RandomQuotientsEndWithNothingShared) {
    using Coefficients = std::vector<Exact>;  // the constant first
    SystemRandomSource draws(4711);
    const auto nonzero = [&draws](std::int64_t bound) {
        const std::int64_t value = draws.uniformInt(1, bound);
        return draws.fairBool() ? value : -value;
    };
    const auto factor = [&]() -> Coefficients {
        switch (draws.uniformInt(0, 3)) {
            case 0: return {{nonzero(4), 1}, {draws.uniformInt(1, 3), 1}};
            case 1: return {{draws.uniformInt(1, 3), 1}, {0, 1}, {draws.uniformInt(1, 2), 1}};
            case 2: return {{draws.uniformInt(1, 2), 1}, {nonzero(1), 1}, {1, 1}};
            default: {
                Coefficients c{{nonzero(9), 1}};
                for (std::int64_t k = draws.uniformInt(3, 5); k > 1; --k) c.push_back({draws.uniformInt(-9, 9), 1});
                c.push_back({draws.uniformInt(1, 9), 1});
                return c;
            }
        }
    };
    const auto times = [](const Coefficients& a, const Coefficients& b) {
        Coefficients c(a.size() + b.size() - 1);
        for (std::size_t i = 0; i < a.size(); ++i) {
            for (std::size_t j = 0; j < b.size(); ++j) c[i + j] = c[i + j] + a[i] * b[j];
        }
        return c;
    };
    const char v = 'x';
    // A group highest power first, now and then with a zero term put in.
    const auto group = [&](const Coefficients& c, Exact scale) {
        TermGroup terms;
        for (std::size_t k = c.size(); k-- > 0;) {
            const Exact x = c[k] * scale;
            if (x.n == 0) continue;
            terms.push_back(Term_XL{
                Monomial{Rational{static_cast<std::int64_t>(x.n), static_cast<std::int64_t>(x.d)}, k, v}, {}});
        }
        if (draws.uniformInt(0, 3) == 0) {
            const std::uint64_t power = static_cast<std::uint64_t>(draws.uniformInt(0, 3));
            terms.insert(terms.begin() + static_cast<std::ptrdiff_t>(draws.uniformIndex(terms.size() + 1)),
                         Term_XL{Monomial{Rational{0, 1}, power, v}, {}});
        }
        return terms;
    };
    for (int round = 0; round < 300; ++round) {
        std::vector<Coefficients> shared;
        if (draws.uniformInt(0, 3) > 0) shared.push_back(factor());
        const auto part = [&](std::size_t most) {
            std::vector<Coefficients> factors = shared;
            std::size_t degree = shared.empty() ? 0 : shared.front().size() - 1;
            for (std::int64_t k = draws.uniformInt(0, 4); k > 0; --k) {
                Coefficients f = factor();
                if (degree + f.size() - 1 > most) break;
                degree += f.size() - 1;
                factors.push_back(std::move(f));
            }
            const Exact scale = exact(nonzero(6), draws.uniformInt(1, 3));
            if (draws.fairBool()) {
                Coefficients all{{1, 1}};
                for (const Coefficients& f : factors) all = times(all, f);
                return Polynomial_XL{{group(all, scale)}};
            }
            Polynomial_XL p;
            Term_XL root{Monomial{Rational{static_cast<std::int64_t>(scale.n), static_cast<std::int64_t>(scale.d)}, 0, v},
                         {}};
            for (const Coefficients& f : factors) {
                root.factors.push_back(Factor{p.terms.size(), 1});
                p.terms.push_back(group(f, Exact{1, 1}));
            }
            p.terms.push_back({root});
            return p;
        };
        Polynomial_XL top = part(12);
        expectSimplified(Rational_Expression{std::move(top), part(12)});
    }
}

using WholePolynomial = std::vector<__int128>;  // the constant first
using ExactPolynomial = std::vector<Exact>;

ExactPolynomial exactTimes(const ExactPolynomial& a, const ExactPolynomial& b) {
    ExactPolynomial c(a.size() + b.size() - 1);
    for (std::size_t i = 0; i < a.size(); ++i) {
        for (std::size_t j = 0; j < b.size(); ++j) c[i + j] = c[i + j] + a[i] * b[j];
    }
    return c;
}

// Made whole, over the gcd of the coefficients, with a positive leading one.
WholePolynomial primitive(const ExactPolynomial& a) {
    WholePolynomial whole = wholeCoefficients(a);
    __int128 g = 0;
    for (const __int128 c : whole) g = wideGcd(g, c);
    if (whole.back() < 0) g = -g;
    for (__int128& c : whole) c /= g;
    return whole;
}

// a over b when b divides it exactly.
std::optional<WholePolynomial> exactQuotientOf(WholePolynomial a, const WholePolynomial& b) {
    if (a.size() < b.size()) return std::nullopt;
    WholePolynomial q(a.size() - b.size() + 1);
    for (std::size_t k = q.size(); k-- > 0;) {
        if (a[k + b.size() - 1] % b.back() != 0) return std::nullopt;
        q[k] = a[k + b.size() - 1] / b.back();
        for (std::size_t i = 0; i < b.size(); ++i) a[k + i] -= wideProduct(q[k], b[i]);
    }
    if (std::any_of(a.begin(), a.end(), [](__int128 c) { return c != 0; })) return std::nullopt;
    return q;
}

// The coefficients, the constant first, or "none".
std::string shown(const std::optional<Dense>& d) {
    if (!d) return "none";
    std::string out;
    for (const Rational& c : *d) {
        out += (out.empty() ? "[" : ", ") + std::to_string(c.numerator);
        if (c.denominator != 1) out += "/" + std::to_string(c.denominator);
    }
    return out + "]";
}

// Pairs s·g·u and t·g·v: scales that are fractions near 2^62 or reach −2^63,
// a cofactor with fractions near 2^62 (a whole form past 64 bits), cofactors
// whose constant term or leading coefficient is a lift prime, and cofactors
// x − r and v with v(r) the product of the first lift primes, which makes
// those primes unlucky. The gcd found divides both with coprime cofactors,
// and is g whenever u and v are coprime and g's whole form fits 64 bits.
TEST(PolynomialGcd, FoundWheneverItFits) {
    const std::vector<__int128> primes{4611686018427387847, 4611686018427387817, 4611686018427387787,
                                       4611686018427387761, 4611686018427387751, 4611686018427387737};
    const auto dense = [](const ExactPolynomial& c) {
        Dense d;
        for (const Exact& x : c) d.push_back(Rational{static_cast<std::int64_t>(x.n), static_cast<std::int64_t>(x.d)});
        return d;
    };
    const auto whole = [](const WholePolynomial& c) {
        ExactPolynomial result;
        for (const __int128 x : c) result.push_back(Exact{x, 1});
        return result;
    };
    const __int128 least = INT64_MIN;
    const std::vector<std::pair<ExactPolynomial, ExactPolynomial>> rows{
        {{{least, 1}, {least, 1}}, {{1, 1}, {1, 1}}},
        {{{least, 1}, {-1, 1}}, {{least, 1}, {-1, 1}}},  // −x − 2^63: the gcd's whole form does not fit
        {{{__int128{1} << 62, 3}, {__int128{1} << 62, 1}}, {{1, 1}, {4, 1}, {3, 1}}},
        // x divides both modulo the first lift prime; the next shows nothing is shared.
        {{{0, 1}, {4, 1}}, {{primes[0], 1}, {1, 1}, {0, 1}, {1, 3}}},
    };
    const std::vector<std::string> expected{"[1, 1]", "none", "[1, 3]", "[1]"};
    for (std::size_t k = 0; k < rows.size(); ++k) {
        EXPECT_EQ(shown(denseGcd(dense(rows[k].first), dense(rows[k].second))), expected[k]);
    }

    SystemRandomSource draws(5507);
    const auto small = [&draws](std::size_t degree, std::int64_t bound) {
        ExactPolynomial c;
        for (std::size_t k = 0; k <= degree; ++k) c.push_back({draws.uniformInt(-bound, bound), 1});
        if (c.back().n == 0) c.back().n = 1;
        return c;
    };
    const auto near62 = [&draws](__int128 most) {
        const __int128 top = draws.uniformInt(static_cast<std::int64_t>((__int128{1} << 61) / most),
                                              static_cast<std::int64_t>((__int128{1} << 62) / most));
        return exact(draws.fairBool() ? top : -top, draws.uniformInt(1, 9));
    };
    for (int round = 0; round < 400; ++round) {
        const int kind = static_cast<int>(draws.uniformInt(0, 4));
        const ExactPolynomial g = small(static_cast<std::size_t>(draws.uniformInt(1, 3)), kind >= 3 ? 1 : 9);
        ExactPolynomial u = small(static_cast<std::size_t>(draws.uniformInt(0, 3)), 9);
        ExactPolynomial v = small(static_cast<std::size_t>(draws.uniformInt(0, 3)), 9);
        if (kind == 2) {
            const __int128 r = draws.uniformInt(1 << 20, INT32_MAX);
            u = {{-r, 1}, {1, 1}};
            v = {{draws.uniformInt(1, 9), 1}};  // the digits of v(r) base r
            for (std::int64_t k = draws.uniformInt(1, 5); k > 0; --k) {
                __int128 carry = 0;
                for (Exact& digit : v) {
                    const __int128 next = digit.n * primes[static_cast<std::size_t>(k - 1)] + carry;
                    digit.n = next % r, carry = next / r;
                }
                for (; carry != 0; carry /= r) v.push_back({carry % r, 1});
            }
        } else if (kind == 3) {
            // A lift prime as constant or leading coefficient, next to x·v.
            const Exact prime{primes[draws.uniformIndex(primes.size())], 1};
            u = draws.fairBool() ? ExactPolynomial{prime, {draws.uniformInt(1, 9), 1}} : ExactPolynomial{{1, 1}, prime};
            v.insert(v.begin(), Exact{0, 1});
        } else if (kind == 4) {
            u = {near62(2), near62(2)};
        }
        const auto scaled = [&](const ExactPolynomial& c) {
            __int128 most = 1;
            for (const Exact& x : c) most = std::max(most, x.n < 0 ? -x.n : x.n);
            ExactPolynomial result = c;
            if (kind == 0) {
                const Exact s = near62(most);
                for (Exact& x : result) x = x * s;
            } else if (kind == 1) {  // −2^63 over the least power of two not below every coefficient
                __int128 power = 1;
                while (power < most) power *= 2;
                if (std::any_of(c.begin(), c.end(), [power](Exact x) { return x.n == -power; })) power *= 2;
                for (Exact& x : result) x.n *= least / power;
            }
            return result;
        };
        exactOverflowed = false;
        const ExactPolynomial a = scaled(exactTimes(g, u)), b = scaled(exactTimes(g, v));
        const auto fits = [](const ExactPolynomial& c) {
            return std::all_of(c.begin(), c.end(), [](Exact x) { return x.n >= INT64_MIN && x.n <= INT64_MAX; });
        };
        if (exactOverflowed || !fits(a) || !fits(b)) continue;
        const std::optional<Dense> found = denseGcd(dense(a), dense(b));
        const std::string pair = shown(dense(a)) + " and " + shown(dense(b));
        if (found) {
            WholePolynomial answer;
            for (const Rational& c : *found) answer.push_back(c.numerator);
            const std::optional<WholePolynomial> qa = exactQuotientOf(primitive(a), answer);
            const std::optional<WholePolynomial> qb = exactQuotientOf(primitive(b), answer);
            ASSERT_TRUE(qa && qb) << pair << " gave " << shown(found);
            EXPECT_EQ(commonDegree(*qa, *qb), 0u) << pair << " gave " << shown(found);
        }
        const WholePolynomial wg = primitive(g);
        const bool gFits =
            std::all_of(wg.begin(), wg.end(), [](__int128 c) { return c >= -INT64_MAX && c <= INT64_MAX; });
        if (commonDegree(primitive(u), primitive(v)) == 0 && gFits) {
            EXPECT_EQ(shown(found), shown(dense(whole(wg)))) << pair;
        }
    }
}

// The terms of both parts and the factors they name.
std::size_t sizeOf(const Rational_Expression& e) {
    std::size_t size = 0;
    for (const Polynomial_XL* part : {&e.poly_N, &e.poly_D}) {
        for (const TermGroup& group : part->terms) {
            for (const Term_XL& t : group) size += 1 + t.factors.size();
        }
    }
    return size;
}

// Where a whole simplification of e stops, and after how many rounds (at
// most limit).
std::pair<Rational_Expression, int> stopOf(Rational_Expression e, int limit) {
    int rounds = 0;
    for (; rounds < limit; ++rounds) {
        const std::optional<ExpressionPictures> pictures = firstRewrite(e);
        if (!pictures) break;
        e = recolored((*pictures)[1], Color::black);
    }
    return {e, rounds};
}

// Large constants whose products on the way do not fit 64 bits, next to
// shared factors without rational roots: every step makes progress, so a
// whole simplification stops within a number of rounds bounded by the size
// of the expression, final or with nothing left to apply. A quotient whose
// denominator is worth 0 stops too, and is never final.
TEST(RationalExpression, WholeSimplificationsEndWithinABound) {
    const std::vector<Case> unfinished{
        // Worth 2^60, but 2^70 on the way.
        {"[1099511627776] [x^2, 1] [1073741824(0)(1)]", "[x^2, 1] [1024(0)]",
         "[1099511627776] [x^2, 1] [1073741824(0)(1)] / [x^2, 1] [1024(0)]"},
        {"[10000000000] [x^2, 1] [10000000000(0)(1)]", "[x^2, 1]",
         "[10000000000] [x^2, 1] [10000000000(0)(1)] / [x^2, 1]"},
        {"[1/10000000000] [x^2, 1] [1/10000000000(0)(1)]", "[x^4, 2x^2, 1]",
         "[1/10000000000] [x^2, 1] [1/10000000000(0)(1)] / [x^4, 2x^2, 1]"},
        {"[0]", "[0]", "[0] / [0]"},
        {"[0]", "[x, 1] [0(0)]", "[0] / [x, 1] [0]"},
        {"[x, 1]", "[0]", "[x, 1] / [0]"},
        {"[x, 1]", "[x, -x]", "[x, 1] / [1, -1] [x(0)]"},
        {"[1, -1]", "[1, -1]", "[1, -1] / [1, -1]"},
        // −x − 2^63 is −(x + 114) modulo the first lift prime; its whole form does not fit.
        {"[-x, -9223372036854775808]", "[x, 114]", "[-x, -9223372036854775808] / [x, 114]"},
    };
    for (const Case& c : unfinished) {
        const auto [end, rounds] = stopOf(Rational_Expression{xl(c.n), xl(c.d)}, 50);
        EXPECT_EQ(show(end), c.expected) << c.n << " over " << c.d << " after " << rounds << " rounds";
        EXPECT_EQ(show(finalFormPictures(end)), "none") << c.n << " over " << c.d;
    }
    SystemRandomSource draws(1789);
    const std::vector<std::string> constants{"1099511627776", "1073741824", "-4294967296", "10000000000",
                                             "-10000000000", "1/10000000000", "3486784401", "7"};
    const std::vector<std::string> shared{"[x^2, 1]", "[x^2, 2]", "[2x^2, -3]", "[x^2, x, 1]", "[x, 1]"};
    const std::vector<std::string> others{"[x^2, 3]", "[x, -2]", "[x^2, -x, 5]"};
    const auto pick = [&draws](const std::vector<std::string>& list) { return list[draws.uniformIndex(list.size())]; };
    for (int round = 0; round < 200; ++round) {
        // A root constant times a constant bracket, the shared factor (or
        // its square multiplied out) and another factor, each now and then.
        const std::string s = pick(shared);
        const auto part = [&] {
            std::string groups;
            std::string root = pick(constants);
            std::size_t count = 0;
            const auto add = [&](const std::string& group) {
                groups += group + " ";
                root += "(" + std::to_string(count++) + ")";
                if (draws.uniformInt(0, 3) == 0) root += "^2";
            };
            if (draws.fairBool()) add("[" + pick(constants) + "]");
            add(s);
            if (draws.fairBool()) add(pick(others));
            return groups + "[" + root + "]";
        };
        const std::string n = part();
        const std::string d = draws.uniformInt(0, 3) == 0 ? (s == "[x, 1]" ? "[x^2, 2x, 1]" : "[x^4, 2x^2, 1]") : part();
        const Rational_Expression start{xl(n), xl(d)};
        const int bound = 2 * static_cast<int>(sizeOf(start));
        const auto [end, rounds] = stopOf(start, bound + 1);
        EXPECT_LE(rounds, bound) << n << " over " << d << " goes on at " << show(end);
    }
}

}  // namespace
}  // namespace duolinear

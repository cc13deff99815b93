// Exact roots of a quadratic and their layouts: the worked examples, the
// cases without roots, and random quadratics checked against Vieta's formulas.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "QuadraticTestSupport.h"
#include "quadratic/QuadraticRoots.h"
#include "quadratic/RootLayout.h"

namespace duolinear {
namespace {

using namespace duolinear::testing;

std::string rootText(const std::optional<Quadratic_solution>& r) {
    if (!r) return "absent";
    return std::to_string(r->a.numerator) + "/" + std::to_string(r->a.denominator) + " " +
           std::to_string(r->b.numerator) + "/" + std::to_string(r->b.denominator) + " " + std::to_string(r->c);
}

TEST(QuadraticRoots, ByTheDiscriminant) {
    const struct {
        std::string equation, first, second;
        Quadratic_status status;
    } cases[] = {
        {"x^2 - 2x + 1 = 0", "1/1 0/1 0", "1/1 0/1 0", Quadratic_status::rational_repeated},
        {"-x^2 + 5x - 6 = 0", "2/1 0/1 0", "3/1 0/1 0", Quadratic_status::rational_distinct},
        {"2x^2 - 3x - 2 = 0", "-1/2 0/1 0", "2/1 0/1 0", Quadratic_status::rational_distinct},
        {"x^2 - 2 = 0", "0/1 -1/1 2", "0/1 1/1 2", Quadratic_status::irrational_distinct},
        {"1/2x^2 + 1/3x = 1", "-1/3 -1/3 19", "-1/3 1/3 19", Quadratic_status::irrational_distinct},
        {"x^2 + x + 1 = 0", "absent", "absent", Quadratic_status::none},
        // The sides are subtracted first; like terms add; x³ is ignored, y² counts.
        {"x^2 = 3x - 2", "1/1 0/1 0", "2/1 0/1 0", Quadratic_status::rational_distinct},
        {"x^2 + x^2 - 8 = 0", "-2/1 0/1 0", "2/1 0/1 0", Quadratic_status::rational_distinct},
        {"x^3 + y^2 = 4", "-2/1 0/1 0", "2/1 0/1 0", Quadratic_status::rational_distinct},
        {"x^2 < 4", "-2/1 0/1 0", "2/1 0/1 0", Quadratic_status::rational_distinct},
        // Each side's sum starts from nothing: a constant at the 64-bit limit on both sides cancels.
        {"x^2 + 9223372036854775807 - 4 = 9223372036854775807", "-2/1 0/1 0", "2/1 0/1 0",
         Quadratic_status::rational_distinct},
        // B², 4AC and 2A beyond 64 bits, roots within.
        {"y^2 - 3367965868y + 2825292388032928000 = 0", "1581483500/1 0/1 0", "1786482368/1 0/1 0",
         Quadratic_status::rational_distinct},
        {"y^2 + 5005560086y + 6263907943639081849 = 0", "-2502780043/1 0/1 0", "-2502780043/1 0/1 0",
         Quadratic_status::rational_repeated},
        {"4y^2 + 3037000500y - 2 = 0", "-759250125/2 -1/2 576460752312515627", "-759250125/2 1/2 576460752312515627",
         Quadratic_status::irrational_distinct},
        {"4611686018427387904x^2 + 4611686018427387904x + 1 = 0", "-1/2 -15/2147483648 5124095576030431",
         "-1/2 15/2147483648 5124095576030431", Quadratic_status::irrational_distinct},
        // The common factor 2⁶² is divided out before the discriminant is formed.
        {"4611686018427387904x^2 - 4611686018427387904 = 0", "-1/1 0/1 0", "1/1 0/1 0",
         Quadratic_status::rational_distinct},
        // The common denominator is the lcm, not the product, of the denominators.
        {"1/4611686018427387847x^2 + 1/4611686018427387847x - 2/4611686018427387847 = 0", "-2/1 0/1 0",
         "1/1 0/1 0", Quadratic_status::rational_distinct},
        // D = 9·2305843009213693973 leaves 64 bits; its odd square factor comes out.
        {"x^2 + x - 5188146770730811439 = 0", "-1/2 -3/2 2305843009213693973", "-1/2 3/2 2305843009213693973",
         Quadratic_status::irrational_distinct},
    };
    for (const auto& c : cases) {
        const std::optional<QuadraticRoots> roots = quadraticRoots(parseEquation(c.equation));
        ASSERT_TRUE(roots) << c.equation;
        EXPECT_EQ(rootText(roots->first), c.first) << c.equation;
        EXPECT_EQ(rootText(roots->second), c.second) << c.equation;
        EXPECT_EQ(roots->status, c.status) << c.equation;
    }
    // No roots can be formed: no x² term, x² terms that cancel, a zero
    // denominator; nor written: a root 2⁶³, a root -1/2⁶³ or -1/2⁶⁴, a
    // radicand 2⁶⁴ + 1 (square-free); nor worked in 128 bits: B or C near
    // 2¹⁸⁸, B² = 2¹²⁸, B² − 4AC above 2¹²⁷, a common denominator of three
    // large primes.
    for (const char* equation :
         {"x^3 + 2x = 1", "x^2 + x = x^2", "x^2 + 1/0x = 0", "1/2x^2 - 4611686018427387904x = 0",
          "4611686018427387904x^2 + 1/2x = 0", "4611686018427387904x^2 + 1/4x = 0",
          "x^2 + x - 4611686018427387904 = 0",
          "1/4611686018427387847x^2 + 4611686018427387904x + 1/4611686018427387903 = 0",
          "1/4611686018427387847x^2 + 1/4611686018427387903x + 4611686018427387904 = 0",
          "274877906944x^2 + 4611686018427387904x + 1/4 = 0",
          "4611686018427387903/4x^2 + 2305843009213693953x - 4611686018427387905/4 = 0",
          "1/9223372036854775783x^2 + 1/9223372036854775643x + 1/9223372036854775549 = 0"}) {
        EXPECT_FALSE(quadraticRoots(parseEquation(equation))) << equation;
    }
}

TEST(RootLayout, EachStyle) {
    const struct {
        Quadratic_solution root;
        std::string fraction, common, decimal;
    } cases[] = {
        {{{1, 1}, {-1, 1}, 2}, "1 − √2", "1 − √2", "-0.41421356"},
        {{{-1, 2}, {1, 2}, 3}, "-[1/2] + [1/2]√3", "{-1 + √3/2}", "0.3660254"},
        {{{-1, 2}, {-1, 2}, 3}, "-[1/2] − [1/2]√3", "{-1 − √3/2}", "-1.3660254"},
        {{{3, 1}, {0, 1}, 0}, "3", "3", "3"},
        {{{-3, 4}, {0, 1}, 0}, "-[3/4]", "{-3/4}", "-0.75"},
        {{{0, 1}, {1, 1}, 5}, "√5", "√5", "2.236068"},
        {{{0, 1}, {-1, 1}, 5}, "-√5", "-√5", "-2.236068"},
        {{{1, 3}, {2, 3}, 7}, "[1/3] + [2/3]√7", "{1 + 2√7/3}", "2.0971675"},
        {{{1, 2}, {-1, 3}, 2}, "[1/2] − [1/3]√2", "{3 − 2√2/6}", "0.028595479"},
        {{{0, 1}, {2, 2}, 2}, "√2", "{2√2/2}", "1.4142136"},
        {{{1, 1}, {1, 1}, 2}, "1 + √2", "1 + √2", "2.4142136"},
        {{{0, 1}, {0, 1}, 0}, "0", "0", "0"},
        // The parts nearly cancel: the small root of 4y² + 3037000500y − 2 = 0 keeps its digits.
        {{{-759250125, 2}, {1, 2}, 576460752312515627}, "-[759250125/2] + [1/2]√576460752312515627",
         "{-759250125 + √576460752312515627/2}", "6.5854451e-10"},
        // Within 10⁻¹⁸ of a half step, where the nearest double rounds the other
        // way (0.123456785, −0.333333335, ±99999999.5): the digits of the root.
        {{{123456785000000001, 1000000000000000000}, {0, 1}, 0}, "[123456785000000001/1000000000000000000]",
         "{123456785000000001/1000000000000000000}", "0.12345679"},
        {{{-333333334999999999, 1000000000000000000}, {0, 1}, 0}, "-[333333334999999999/1000000000000000000]",
         "{-333333334999999999/1000000000000000000}", "-0.33333333"},
        {{{999999994999999999, 10000000000}, {0, 1}, 0}, "[999999994999999999/10000000000]",
         "{999999994999999999/10000000000}", "99999999"},
        {{{-999999994999999999, 10000000000}, {0, 1}, 0}, "-[999999994999999999/10000000000]",
         "{-999999994999999999/10000000000}", "-99999999"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readLine(*rootLayout(c.root)), c.fraction) << c.fraction;
        EXPECT_EQ(readLine(*rootLayout(c.root, Style::rational_fraction)), c.common) << c.fraction;
        EXPECT_EQ(readLine(*rootLayout(c.root, Style::decimal)), c.decimal) << c.fraction;
    }
    // Roots worth exactly 0, whatever the signs of their parts, read "0" in
    // decimals, never "-0": −1 + √1, −3 + √9, ³⁄₂ − ½√9, −³⁄₂ + ¾√4, the same
    // with negative denominators, 0 + 0·√5 and 0 − 3·√0.
    for (const Quadratic_solution& zero : std::initializer_list<Quadratic_solution>{
             {{-1, 1}, {1, 1}, 1},
             {{-3, 1}, {1, 1}, 9},
             {{3, 2}, {-1, 2}, 9},
             {{-3, 2}, {3, 4}, 4},
             {{6, -4}, {-1, -2}, 9},
             {{-3, -2}, {-1, 2}, 9},
             {{0, 1}, {0, 1}, 5},
             {{0, 1}, {-3, 1}, 0},
         }) {
        EXPECT_EQ(readLine(*rootLayout(zero, Style::decimal)), "0") << readLine(*rootLayout(zero));
    }
    // Outside the contract of quadraticRoots: no layout rather than a wrapped number.
    EXPECT_FALSE(rootLayout({{1, 0}, {1, 1}, 2}));
    EXPECT_FALSE(rootLayout({{1, 3}, {INT64_MAX, 2}, 2}, Style::rational_fraction));
    EXPECT_FALSE(rootLayout({{1, 1}, {INT64_MIN, 3}, 2}));
}

// a·r² + b·r + c = 0 for rational roots; for r = p ± k·√q, the sum 2p = −b/a
// and the product p² − k²q = c/a; the status from b² − 4ac; a layout in
// every style.
TEST(QuadraticRoots, AgreeWithVietaForRandomQuadratics) {
    std::mt19937 engine(7);
    std::uniform_int_distribution<std::int64_t> pick(-12, 12);
    for (int trial = 0; trial < 1000; ++trial) {
        const std::int64_t a = pick(engine), b = pick(engine), c = pick(engine);
        if (a == 0) continue;
        const PolyEquation e{Polynomial{Monomial{Rational{a, 1}, 2}, Monomial{Rational{b, 1}, 1}},
                             Polynomial{Monomial{Rational{-c, 1}, 0}}};
        const std::string what = std::to_string(a) + " " + std::to_string(b) + " " + std::to_string(c);
        const std::optional<QuadraticRoots> roots = quadraticRoots(e);
        ASSERT_TRUE(roots) << what;
        const std::int64_t D = b * b - 4 * a * c;
        if (D < 0) {
            EXPECT_EQ(roots->status, Quadratic_status::none) << what;
            EXPECT_FALSE(roots->first || roots->second) << what;
            continue;
        }
        ASSERT_TRUE(roots->first && roots->second) << what;
        const Quadratic_solution &r1 = *roots->first, &r2 = *roots->second;
        for (Style style : {Style::fraction, Style::rational_fraction, Style::decimal}) {
            EXPECT_TRUE(rootLayout(r1, style) && rootLayout(r2, style)) << what;
        }
        const std::int64_t s = static_cast<std::int64_t>(std::sqrt(static_cast<double>(D)) + 0.5);
        if (s * s == D) {
            EXPECT_EQ(roots->status,
                      D == 0 ? Quadratic_status::rational_repeated : Quadratic_status::rational_distinct);
            for (const Rational& r : {r1.a, r2.a}) {
                EXPECT_EQ(
                    a * r.numerator * r.numerator + b * r.numerator * r.denominator + c * r.denominator * r.denominator,
                    0)
                    << what;
            }
            EXPECT_LE(r1.a.numerator * r2.a.denominator, r2.a.numerator * r1.a.denominator) << what;
        } else {
            EXPECT_EQ(roots->status, Quadratic_status::irrational_distinct) << what;
            EXPECT_TRUE(equals(r1.a, r2.a) && equals(r1.b, Rational{-r2.b.numerator, r2.b.denominator})) << what;
            EXPECT_LT(r1.b.numerator, 0) << what;  // the smaller root first
            const Rational p = r1.a, k = r2.b;
            EXPECT_EQ(2 * p.numerator * a, -b * p.denominator) << what;
            // p² − k²q = c/a  ⇔  a(p.n²·k.d² − k.n²·q·p.d²) = c·p.d²·k.d²
            EXPECT_EQ(a * (p.numerator * p.numerator * k.denominator * k.denominator -
                           k.numerator * k.numerator * r1.c * p.denominator * p.denominator),
                      c * p.denominator * p.denominator * k.denominator * k.denominator)
                << what;
        }
    }
}

// k(q₁x − p₁)(q₂x − p₂) expanded, with roots near ±3·10⁹ so that B² leaves 64
// bits: the roots come back as p₁/q₁ and p₂/q₂ in lowest terms, smaller first.
TEST(QuadraticRoots, LargeRootsOfRandomProducts) {
    std::mt19937_64 engine(11);
    auto pick = [&](std::int64_t low, std::int64_t high) {
        return std::uniform_int_distribution<std::int64_t>(low, high)(engine);
    };
    for (int trial = 0; trial < 500; ++trial) {
        const std::int64_t k = std::array<std::int64_t, 4>{1, -1, 2, -3}[pick(0, 3)];
        const std::int64_t limit = k == 1 || k == -1 ? 3000000000 : 1500000000;
        const std::int64_t q1 = pick(1, 3), p1 = pick(-limit, limit);
        const bool twice = trial % 5 == 0;  // sometimes one root twice
        const std::int64_t q2 = twice ? q1 : pick(1, 3), p2 = twice ? p1 : pick(-limit, limit);
        const std::int64_t coefficients[] = {k * q1 * q2, -k * (q1 * p2 + q2 * p1), k * p1 * p2};
        Monomials terms;
        for (std::uint64_t i = 0; i < 3; ++i) terms.push_back(Monomial{Rational{coefficients[i], 1}, 2 - i});
        const std::string what = std::to_string(p1) + "/" + std::to_string(q1) + " " + std::to_string(p2) + "/" +
                                 std::to_string(q2) + " times " + std::to_string(k);
        const std::optional<QuadraticRoots> roots =
            quadraticRoots(PolyEquation{Polynomial{terms}, Polynomial{Monomial{Rational{0, 1}, 0}}});
        ASSERT_TRUE(roots && roots->first && roots->second) << what;
        Rational r1 = *reducedRational(Rational{p1, q1}), r2 = *reducedRational(Rational{p2, q2});
        if (r2.numerator * r1.denominator < r1.numerator * r2.denominator) std::swap(r1, r2);
        EXPECT_EQ(rootText(roots->first), rootText(Quadratic_solution{r1, Rational{0, 1}, 0})) << what;
        EXPECT_EQ(rootText(roots->second), rootText(Quadratic_solution{r2, Rational{0, 1}, 0})) << what;
        EXPECT_EQ(roots->status,
                  equals(r1, r2) ? Quadratic_status::rational_repeated : Quadratic_status::rational_distinct)
            << what;
    }
}

// Exact integers for the sign of a quadratic at a decimal: digits base 2²⁴
// that may be negative, value Σ dᵢ·2²⁴ⁱ, brought back to digits in [0, 2²⁴)
// below a top digit that carries the sign.
using Exact = std::vector<std::int64_t>;
constexpr std::int64_t kBase = std::int64_t{1} << 24;

Exact carried(Exact n) {
    std::int64_t carry = 0;
    for (std::int64_t& digit : n) {
        const std::int64_t value = digit + carry;
        digit = value & (kBase - 1);
        carry = (value - digit) / kBase;
    }
    for (; carry != 0 && carry != -1; carry = (carry - n.back()) / kBase) n.push_back(carry & (kBase - 1));
    if (carry == -1) n.push_back(-1);
    while (!n.empty() && n.back() == 0) n.pop_back();
    return n;
}

Exact exact(__int128 n) {
    Exact digits;
    for (int i = 0; i < 6; ++i, n >>= 24) digits.push_back(static_cast<std::int64_t>(n & (kBase - 1)));
    if (n < 0) digits.push_back(-1);
    return carried(digits);
}

Exact plus(Exact a, const Exact& b) {
    if (a.size() < b.size()) a.resize(b.size(), 0);
    for (std::size_t i = 0; i < b.size(); ++i) a[i] += b[i];
    return carried(a);
}

Exact times(const Exact& a, const Exact& b) {
    Exact product(a.size() + b.size(), 0);  // sums of fewer than 2¹⁵ products below 2⁴⁸
    for (std::size_t i = 0; i < a.size(); ++i) {
        for (std::size_t j = 0; j < b.size(); ++j) product[i + j] += a[i] * b[j];
    }
    return carried(product);
}

int signOf(const Exact& n) {
    return n.empty() ? 0 : (n.back() < 0 ? -1 : 1);
}

// The sign of A·x² + B·x + C at x = m·10ᵉ, times 10⁻²ᵉ when e < 0.
int signAt(__int128 A, __int128 B, __int128 C, std::int64_t m, int e) {
    Exact power = exact(1);
    for (int i = 0; i < std::abs(e); ++i) power = times(power, exact(10));
    const Exact x = e >= 0 ? times(exact(m), power) : exact(m);
    const Exact one = e >= 0 ? exact(1) : power;  // the denominator of x
    return signOf(plus(plus(times(times(exact(A), x), x), times(times(exact(B), x), one)),
                       times(times(exact(C), one), one)));
}

// A decimal text as m·10ᵉ, m its digits as written.
std::pair<std::int64_t, int> digitsOf(const std::string& text) {
    std::int64_t m = 0;
    int e = 0;
    std::size_t i = text[0] == '-' ? 1 : 0;
    bool point = false;
    for (; i < text.size() && text[i] != 'e'; ++i) {
        if (text[i] == '.') {
            point = true;
        } else {
            m = m * 10 + (text[i] - '0');
            e -= point ? 1 : 0;
        }
    }
    if (i < text.size()) e += std::stoi(text.substr(i + 1));
    return {text[0] == '-' ? -m : m, e};
}

// (a/s)·y² + b·y + (c/r)·s = 0 with s and b large, a and c small: times r·s,
// A = ar, B = brs, C = cs² and D = r·s²·(rb² − 4ac), so the roots fit (s is
// a product of two numbers below 2¹⁶, whose squares come out of D). One
// root is about −cs/rb, and the parts −B/2A ± (k/2A)·√q of the other nearly
// cancel. Each printed decimal root must lie within one unit of its last
// digit, so the quadratic changes sign across that unit.
TEST(RootLayout, DecimalDigitsOfRootsWhosePartsNearlyCancel) {
    std::mt19937_64 engine(53);
    auto pick = [&](std::int64_t low, std::int64_t high) {
        return std::uniform_int_distribution<std::int64_t>(low, high)(engine);
    };
    int nearlyCancelling = 0;
    for (int trial = 0; trial < 300; ++trial) {
        const std::int64_t a = pick(1, 150), s = pick(1 << 15, 1 << 16) * pick(1 << 15, 1 << 16);
        const std::int64_t b = pick(std::int64_t{1} << 26, std::int64_t{1} << 29) * (pick(0, 1) ? 1 : -1);
        const std::int64_t c = pick(-999, 999), r = pick(1, 3);
        const PolyEquation e{
            Polynomial{Monomial{Rational{a, s}, 2}, Monomial{Rational{b, 1}, 1}, Monomial{Rational{c * s, r}, 0}},
            Polynomial{Monomial{Rational{0, 1}, 0}}};
        const std::string what = std::to_string(a) + "/" + std::to_string(s) + " " + std::to_string(b) + " " +
                                 std::to_string(c) + "·" + std::to_string(s) + "/" + std::to_string(r);
        const __int128 A = __int128{a} * r, B = __int128{b} * r * s, C = __int128{c} * s * s;
        const std::optional<QuadraticRoots> roots = quadraticRoots(e);
        ASSERT_TRUE(roots) << what;
        if (roots->status != Quadratic_status::irrational_distinct) continue;
        for (const Quadratic_solution& root : {*roots->first, *roots->second}) {
            const long double part = static_cast<long double>(root.a.numerator) / root.a.denominator;
            const long double value = part + static_cast<long double>(root.b.numerator) / root.b.denominator *
                                                 std::sqrt(static_cast<long double>(root.c));
            if (std::fabs(part) > 0x1p40L && std::fabs(value) < 1e-6L * std::fabs(part)) ++nearlyCancelling;
            const std::string text = readLine(*rootLayout(root, Style::decimal));
            const auto [m, exponent] = digitsOf(text);
            const int below = signAt(A, B, C, m - 1, exponent), above = signAt(A, B, C, m + 1, exponent);
            EXPECT_LE(below * above, 0) << what << " prints " << text;
        }
    }
    EXPECT_GT(nearlyCancelling, 250);
}

// Roots (N ± √D)/10ᵏ next to a halfway point h = H/10ᵏ between two eight-digit
// decimals, H = (2m + 1)·5·10⁹ and N = H + j, often nearer to h than the
// rounding error of any floating-point value of them: the decimal of the
// root is m·10¹⁰⁻ᵏ when j ± √D < 0 and (m + 1)·10¹⁰⁻ᵏ when it is above 0.
TEST(RootLayout, DecimalDigitsOfRootsNextToAHalfwayPoint) {
    std::mt19937_64 engine(29);
    auto pick = [&](std::int64_t low, std::int64_t high) {
        return std::uniform_int_distribution<std::int64_t>(low, high)(engine);
    };
    auto decimal = [](std::int64_t digits, int exponent, bool negative) {
        char text[64];
        std::snprintf(text, sizeof text, "%.8g",
                      std::stod((negative ? "-" : "") + std::to_string(digits) + "e" + std::to_string(exponent)));
        return std::string(text);
    };
    std::int64_t power[19] = {1};
    for (int k = 1; k < 19; ++k) power[k] = power[k - 1] * 10;
    for (int trial = 0; trial < 2000; ++trial) {
        const std::int64_t m = pick(10000000, 99999999), H = (2 * m + 1) * 5 * power[9];
        const int k = static_cast<int>(pick(0, 18));
        // D = n² + i, 0 < i <= 2n, puts √D between n and n + 1, about i/2n
        // above n: a small i over a large n very near it.
        const std::int64_t n = trial % 2 == 0 ? pick(1, 1000) : pick(1000, 3000000000);
        const std::int64_t D = n * n + pick(1, trial % 4 < 2 ? 2 * n : std::min<std::int64_t>(2 * n, 100));
        const std::int64_t s = pick(0, 1) ? 1 : -1;    // the sign of √D
        const std::int64_t j = -s * (n + pick(0, 1));  // j + s·√D within (−1, 1), not 0
        const bool above = s > 0 ? __int128{D} > __int128{j} * j : __int128{D} < __int128{j} * j;
        const bool negative = pick(0, 1) == 1;
        const std::int64_t sign = negative ? -1 : 1;
        const Quadratic_solution root{{sign * (H + j), power[k]}, {sign * s, power[k]}, D};
        const std::string what = std::to_string(sign * (H + j)) + "/10^" + std::to_string(k) + " + " +
                                 std::to_string(sign * s) + "/10^" + std::to_string(k) + "·√" + std::to_string(D);
        EXPECT_EQ(readLine(*rootLayout(root, Style::decimal)), decimal(above ? m + 1 : m, 10 - k, negative)) << what;
    }
}

}  // namespace
}  // namespace duolinear

// The formula and completing-the-square methods and the dispatcher: worked
// solutions line by line (read with marks: *red*, _blue_, %gray%), the
// refusals, and a randomized check of every method's roots against roots
// computed here from the discriminant.

#include <array>
#include <cmath>
#include <numeric>
#include <random>

#include <gtest/gtest.h>

#include "QuadraticTestSupport.h"
#include "quadratic/CompleteTheSquareSteps.h"
#include "quadratic/FactoringSteps.h"
#include "quadratic/FormulaSteps.h"
#include "quadratic/HalveAndSquareStep.h"
#include "quadratic/LeadingCoefficientStep.h"
#include "quadratic/QuadraticClosing.h"
#include "quadratic/QuadraticSteps.h"
#include "quadratic/RootLayout.h"

namespace duolinear {
namespace {

using namespace duolinear::testing;

const auto kFormula = Quadratic_method::formula;
const auto kSquare = Quadratic_method::complete_the_square;
const std::string kGeneral = " |  |  | for  ax² + bx + c = 0 ,  a ≠ 0 | x = {-b ± √b² − 4ac/2a} |  |  |  | ";

void expectSteps(Quadratic_method method, const std::string& equation, const LinearStepChoices& choices,
                 const std::vector<std::string>& steps) {
    EXPECT_EQ(readSteps(quadraticSteps(method, parseEquation(equation), choices), true), steps)
        << rawValue(method) << ": " << equation;
}

TEST(QuadraticMethods, FormulaWorkedSolutions) {
    expectSteps(
        kFormula, "x^2 - 5x + 6 = 0", {.highlight = true},
        {"🤔: x² − 5x + 6 = 0",
         "substitute in formula and solve: x² _−_ _5_x %+% %6% = 0" + kGeneral +
             "*a* *=* *1*_ , b_ _=_ _-5_ and %c% %=% %6% | x = {-(_-5_) ± √(_-5_)^2 − 4(*1*)(%6%)/2(*1*)} |  |  "
             "|  | x = 2 or x = 3 | from calculator",
         "😎: x² − 5x + 6 = 0 |  |  | x = 2 or x = 3 | distinct rational solutions"});
    // No x term: b is 0 without a minus or brackets; no real roots.
    expectSteps(kFormula, "2x^2 + 8 = 0", {},
                {"🤔: 2x² + 8 = 0",
                 "substitute in formula and solve: 2x² + 8 = 0" + kGeneral +
                     "a = 2 , b = 0 and c = 8 | x = {0 ± √0^2 − 4(2)(8)/2(2)} |  |  |  | no solution",
                 "😎: 2x² + 8 = 0 |  |  | no solution"});
    // Rearranged first; a fraction b is bracketed only when squared; no constant gives (0).
    expectSteps(kFormula, "1/2x = -x^2", {.skipOpeningFrame = true},
                {"descending powers of x: [1/2]x = -x² | x² + [1/2]x = 0 | left hand side for convenience",
                 "substitute in formula and solve: [1/2]x = -x² | x² + [1/2]x = 0" + kGeneral +
                     "a = 1 , b = [1/2] and c = 0 | x = {-[1/2] ± √([1/2])^2 − 4(1)(0)/2(1)} |  |  |  | x = -[1/2] or "
                     "x = 0 | from calculator"});
}

TEST(QuadraticMethods, CompleteTheSquareWorkedSolutions) {
    expectSteps(
        kSquare, "2x^2 + 4x - 6 = 0", {},
        {"🤔: 2x² + 4x − 6 = 0",
         "divide by coefficient of x²: *2*x² + 4x − 6 = 0 | *[1/2]*(2x² + 4x − 6) = *[1/2]*(0) | x² + 2x − 3 = "
         "0 | *divide both sides by  **2* | *or multiply by  **[1/2]*",
         "constant term to right hand side: 2x² + 4x − 6 = 0 | [1/2](2x² + 4x − 6) = [1/2](0) | x² + 2x *−* *3* "
         "= 0 | x² + 2x = *3* | ",
         "complete the square: 2x² + 4x − 6 = 0 | [1/2](2x² + 4x − 6) = [1/2](0) | x² + 2x − 3 = 0 | x² *+* *2*x "
         "= 3 | x² + 2x _+_ _1_ = 3 _+_ _1_ | (x *+* *1*)^2 = 4 | *halve x coefficient from **2** to **1* | "
         "_square to __1__ , add to both sides_ | complete the square",
         "square root and solve: 2x² + 4x − 6 = 0 | [1/2](2x² + 4x − 6) = [1/2](0) | x² + 2x − 3 = 0 | x² + 2x "
         "= 3 | x² + 2x + 1 = 3 + 1 | (x + 1)^2 = 4 | *x* *+* *1* *=* *±**√**4* | x = -1 ± 2 | x = -3 or x = 1",
         "😎: 2x² + 4x − 6 = 0 |  |  | x = -3 or x = 1 | distinct rational solutions"});
    expectSteps(
        kSquare, "x^2 + 2x + 5 = 0", {},
        {"🤔: x² + 2x + 5 = 0", "constant term to right hand side: x² + 2x *+* *5* = 0 | x² + 2x = *-5* | ",
         "complete the square: x² + 2x + 5 = 0 | x² *+* *2*x = -5 | x² + 2x _+_ _1_ = -5 _+_ _1_ | (x *+* *1*)^2 "
         "= -4 | *halve x coefficient from **2** to **1* | _square to __1__ , add to both sides_ | complete the "
         "square",
         "square root and solve: x² + 2x + 5 = 0 | x² + 2x = -5 | x² + 2x + 1 = -5 + 1 | (x + 1)^2 = -4 | "
         "negative RHS, no solution",
         "😎: x² + 2x + 5 = 0 |  |  | no solution"});
    // No x term: the equation is carried without a square step, and h is 0.
    expectSteps(kSquare, "-x^2 + 4 = 0", {.skipOpeningFrame = true},
                {"divide by coefficient of x²: *-*x² + 4 = 0 | *-*(-x² + 4) = *-*(0) | x² − 4 = 0 | *divide both sides "
                 "by  **-1* | *or multiply by  **-1*",
                 "constant term to right hand side: -x² + 4 = 0 | -(-x² + 4) = -(0) | x² *−* *4* = 0 | x² = *4* | ",
                 "square root and solve: -x² + 4 = 0 | -(-x² + 4) = -(0) | x² − 4 = 0 | x² = 4 | *x* *=* *±**√**4* | x "
                 "= -2 or x = 2"});
    // A repeated root: no square-root line.
    EXPECT_EQ(readSteps(completeTheSquareSteps(parseEquation("x^2 + x + 1/4 = 0"))).rbegin()[1],
              "square root and solve: x² + x + [1/4] = 0 | x² + x = -[1/4] | x² + x + [1/4] = -[1/4] + [1/4] | (x + "
              "[1/2])^2 = 0 | x + [1/2] = 0 | x = -[1/2]");
}

// Surds in the closing: over a common denominator for the fraction style,
// decimals for the decimal style; the square-root step keeps the style.
TEST(QuadraticMethods, SurdsFollowTheStyle) {
    const PolyEquation e = parseEquation("x^2 + 2x - 1 = 0");
    for (const auto method : {kFormula, kSquare}) {
        EXPECT_EQ(readSteps(quadraticSteps(method, e)).back(),
                  "😎: x² + 2x − 1 = 0 |  |  | x = -1 − √2 or x = -1 + √2 | distinct irrational solutions");
        EXPECT_EQ(readSteps(quadraticSteps(method, e, {.style = Style::decimal})).back(),
                  "😎: x² + 2x − 1 = 0 |  |  | x = -2.4142136 or x = 0.41421356 | distinct irrational solutions");
    }
    // Parts of about 10¹⁸ that cancel to the small root keep its digits
    // (−0.38034170077) in the closing of the formula and of factoring.
    const PolyEquation cancelling = parseEquation("5/2868565966y^2 + 1885518969y + 1434282983/2 = 0");
    for (const auto method : {kFormula, Quadratic_method::factor}) {
        const std::string closing = readSteps(quadraticSteps(method, cancelling, {.style = Style::decimal})).back();
        EXPECT_NE(closing.find(" | y = -1.0817471e+18 or y = -0.3803417 | "), std::string::npos) << closing;
    }
    const WorkedSteps halves = completeTheSquareSteps(parseEquation("x^2 + 3x - 1 = 0"));
    EXPECT_EQ(readLine(halves.steps[3].back()), "x = -[3/2] − [1/2]√13 or x = -[3/2] + [1/2]√13");
    EXPECT_EQ(readLine(halves.steps[4][3]), "x = {-3 − √13/2} or x = {-3 + √13/2}");
}

// What cannot be worked is refused in one step, frame or not, and only that:
// 2147483648x² + x + 1 = 0 has roots in 64 bits, but completing its square
// needs (1/2³²)² = 1/2⁶⁴; every value that 99999x² + (1/99)x − 1 = 0 shows
// fits, though the product of its denominators does not.
TEST(QuadraticMethods, RefuseWhatTheyCannotSolve) {
    const std::string big = "4611686018427387904";
    const struct {
        std::string equation;
        std::vector<std::string> why;  // the lines after the blanks; none when solved
        bool formulaRefuses, squareRefuses;
    } cases[] = {
        {"x^2 + 1/0x = 0", {"division by zero", "please correct"}, true, true},
        {"x^3 - 4x = 0", {"only equations of degree 2", "are solved"}, true, true},
        {"x^3 + x < 1", {"only equations of degree 2", "are solved"}, true, true},
        {"x^2 ≥ 3x", {"quadratic inequalities", "are not solved"}, true, true},
        {"x^2 + y = 4", {"only equations in", "one variable are solved"}, true, true},
        // The radicand 2⁶⁴ + 1 is square-free; B² and 4AC beyond 64 bits need not be.
        {"x^2 + x - " + big + " = 0", {"numbers too large"}, true, true},
        {big + "x^2 + " + big + "x + 1 = 0", {}, false, false},
        {"2147483648x^2 + x + 1 = 0", {"numbers too large"}, false, true},
        {"99999x^2 + 1/99x - 1 = 0", {}, false, false},
        {"3x^2 + x + 700000000000000000 = 0", {}, false, false},
    };
    for (const auto& c : cases) {
        for (const auto method : {kFormula, kSquare}) {
            for (bool skip : {false, true}) {
                const PolyEquation e = parseEquation(c.equation);
                const WorkedSteps worked = quadraticSteps(method, e, {.skipOpeningFrame = skip});
                const bool refused = worked.comments == StepComments{{"oops"}};
                EXPECT_EQ(refused, method == kSquare ? c.squareRefuses : c.formulaRefuses)
                    << rawValue(method) << ": " << c.equation;
                if (refused) {
                    EXPECT_EQ(readLines(worked.steps.front()),
                              concat({{readLine(equationLayout(e, Style::fraction)), "", ""}, c.why}))
                        << c.equation;
                }
            }
        }
    }
    // B², 4AC or 2A beyond 64 bits: each method states the roots.
    const std::pair<std::string, std::string> large[] = {
        {"y^2 - 3367965868y + 2825292388032928000 = 0",
         "y = 1581483500 or y = 1786482368 | distinct rational solutions"},
        {"y^2 + 5005560086y + 6263907943639081849 = 0", "y = -2502780043 | repeated rational solution"},
        {"4y^2 + 3037000500y - 2 = 0",
         "y = {-759250125 − √576460752312515627/2} or y = {-759250125 + √576460752312515627/2} | distinct irrational "
         "solutions"}};
    for (const auto& [equation, roots] : large) {
        const PolyEquation e = parseEquation(equation);
        for (const auto method : {kFormula, kSquare}) {
            EXPECT_EQ(readSteps(quadraticSteps(method, e)).back(),
                      "😎: " + readLine(equationLayout(e, Style::fraction)) + " |  |  | " + roots)
                << rawValue(method) << ": " << equation;
        }
    }
    // A coefficient stored as -2⁶³/-1 has no lowest terms in 64 bits: the
    // simplify step gives out, also where the square terms would cancel later.
    const Monomial unreducedSquare{Rational{INT64_MIN, -1}, 2};
    const PolyEquation unreduced[] = {
        {{unreducedSquare, Monomial{Rational{1, 1}, 1}}, {Monomial{Rational{0, 1}, 0}}},
        {{unreducedSquare, Monomial{Rational{1, 1}, 1}}, {unreducedSquare, Monomial{Rational{2, 1}, 0}}}};
    for (const PolyEquation& e : unreduced) {
        for (const auto method : {kFormula, kSquare}) {
            EXPECT_EQ(readSteps(quadraticSteps(method, e)),
                      std::vector<std::string>{"oops: " + readLine(equationLayout(e, Style::fraction)) +
                                               " |  |  | numbers too large"})
                << rawValue(method);
        }
    }
    // Nor has the reciprocal of a leading -2⁶³ a 64-bit denominator.
    EXPECT_TRUE(
        divideByLeadingCoefficientStep({{Monomial{Rational{INT64_MIN, 1}, 2}}, {Monomial{Rational{5, 1}, 0}}}).failed);
    // An empty left side has no constant to move and no square to complete.
    const PolyEquation emptyLeft{Polynomial{Monomials{}}, Polynomial{Monomial{Rational{5, 1}, 0}}};
    EXPECT_TRUE(constantToRightSideStep(emptyLeft).failed);
    EXPECT_TRUE(halveAndSquareStep(emptyLeft, Style::fraction).failed);
    // A root outside what quadraticRoots makes (its common denominator does
    // not fit) is still stated, as a decimal.
    const Quadratic_solution odd{Rational{1, 3}, Rational{1, 4611686018427387905}, 2};
    EXPECT_EQ(readLine(*rootsLine('x', {odd, odd, Quadratic_status::irrational_distinct}, Style::rational_fraction)),
              "x = 0.33333333 or x = 0.33333333");
}

// The roots line as it must read, from roots computed here: D = b² − 4ac,
// rational roots (−b ± √D)/2a as fractions, irrational ones as
// (−b ± k√m)/2a with D = k²m, over a common denominator.
std::string expectedRoots(std::int64_t a, std::int64_t b, std::int64_t c) {
    if (a < 0) a = -a, b = -b, c = -c;
    const std::int64_t D = b * b - 4 * a * c, L = 2 * a;
    if (D < 0) return "no solution";
    auto fraction = [](std::int64_t n, std::int64_t d) {
        const std::int64_t g = std::gcd(n, d);
        n /= g, d /= g;
        return d == 1 ? std::to_string(n)
                      : (n < 0 ? "-" : "") + ("[" + std::to_string(std::abs(n)) + "/" + std::to_string(d) + "]");
    };
    std::int64_t k = 1, m = D;
    for (std::int64_t f = 2; f * f <= m; ++f) {
        while (m % (f * f) == 0) m /= f * f, k *= f;
    }
    if (D == 0) return "x = " + fraction(-b, L) + " | repeated rational solution";
    if (m == 1)
        return "x = " + fraction(-b - k, L) + " or x = " + fraction(-b + k, L) + " | distinct rational solutions";
    const std::int64_t g = std::gcd(std::gcd(b, k), L), p = -b / g, q = k / g, d = L / g;
    const std::string surd = (q == 1 ? "" : std::to_string(q)) + "√" + std::to_string(m);
    auto over = [d](const std::string& top) { return d == 1 ? top : "{" + top + "/" + std::to_string(d) + "}"; };
    const std::string first = p == 0 ? "-" + surd : std::to_string(p) + " − " + surd;
    const std::string second = p == 0 ? surd : std::to_string(p) + " + " + surd;
    return "x = " + over(first) + " or x = " + over(second) + " | distinct irrational solutions";
}

TEST(QuadraticMethods, RootsOfRandomQuadraticsAgreeWithTheDiscriminant) {
    std::mt19937 engine(20240928);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine); };
    for (int trial = 0; trial < 120; ++trial) {
        const std::int64_t a = pick(1, 5) * (pick(0, 1) ? 1 : -1), b = pick(-9, 9), c = pick(-9, 9);
        Monomials left{Monomial{Rational{a, 1}, 2}};
        if (b != 0) left.push_back(Monomial{Rational{b, 1}, 1});
        const bool across = pick(0, 1) == 1;  // the constant on the right, so the opening rearranges
        if (c != 0 && !across) left.push_back(Monomial{Rational{c, 1}, 0});
        const PolyEquation e{left, {Monomial{Rational{c != 0 && across ? -c : 0, 1}, 0}}};
        const std::string what = readLine(equationLayout(e, Style::fraction));
        const std::string expected = expectedRoots(a, b, c);

        const QuadraticRoots formed = *quadraticRoots(e);
        for (const std::optional<Quadratic_solution>& root : {formed.first, formed.second}) {
            for (Style style : {Style::fraction, Style::rational_fraction, Style::decimal})
                EXPECT_TRUE(!root || rootLayout(*root, style)) << what;
        }
        const LinearStepChoices choices{.technique = trial % 2 ? Technique::balance : Technique::transpose,
                                        .highlight = trial % 5 == 0,
                                        .style = trial % 2 ? Style::rational_fraction : Style::fraction,
                                        .method = trial % 3 ? Method::smart : Method::standard};
        for (const auto method : {kFormula, kSquare, Quadratic_method::factor}) {
            const WorkedSteps worked = quadraticSteps(method, e, choices);
            const std::vector<std::string> closing = readLines(worked.steps.back());
            ASSERT_GE(closing.size(), 4u) << what;
            const std::string roots = closing.size() == 4 ? closing[3] : closing[3] + " | " + closing[4];
            EXPECT_EQ(roots, expected) << rawValue(method) << ": " << what;
            // Technique and method change nothing, nor does highlight for completing the square.
            const bool marks = method != kSquare && choices.highlight;
            if (trial % 4 == 0) {
                EXPECT_EQ(readSteps(worked, true),
                          readSteps(quadraticSteps(method, e, {.highlight = marks, .style = choices.style}), true))
                    << what;
            }
        }
        if (choices.style == Style::rational_fraction && expected != "no solution") {
            // The roots at the end of the square-root step read the same.
            const std::vector<std::string> last = readLines(completeTheSquareSteps(e, choices).steps.rbegin()[1]);
            EXPECT_EQ(last.back(), expected.substr(0, expected.find(" | "))) << what;
        }
    }

    // Coefficients of 4-5 digits, and fractions with 2-3 digit denominators:
    // no method refuses what another solves, and the roots are those computed
    // here from the integers A, B, C that clear the fractions (when the test can
    // take D apart into k²m quickly).
    auto pickWide = [&](std::int64_t low, std::int64_t high) {
        return std::uniform_int_distribution<std::int64_t>(low, high)(engine);
    };
    auto sign = [&] { return pickWide(0, 1) ? 1 : -1; };
    int solved = 0, checked = 0;
    for (int trial = 0; trial < 300; ++trial) {
        const int kind = trial % 3;   // whole, fractions, or either for each coefficient
        std::array<Rational, 3> abc;  // of x², x, 1
        for (Rational& r : abc) {
            const bool fraction = kind == 1 || (kind == 2 && pickWide(0, 1) == 1);
            r = fraction ? Rational{sign() * pickWide(1, 999), pickWide(10, 999)}
                         : Rational{sign() * pickWide(1000, 99999), 1};
        }
        if (pickWide(0, 5) == 0) abc[1 + pickWide(0, 1)].numerator = 0;
        Monomials left;
        for (std::uint64_t i = 0; i < 3; ++i) {
            if (abc[i].numerator != 0) left.push_back(Monomial{abc[i], 2 - i});
        }
        const PolyEquation e{left, {Monomial{Rational{0, 1}, 0}}};
        const std::string what = readLine(equationLayout(e, Style::fraction));

        std::vector<std::string> roots;  // the closing roots of each method that solves
        int refusals = 0;
        for (const auto method : {kFormula, kSquare, Quadratic_method::factor}) {
            const WorkedSteps worked = quadraticSteps(method, e);
            if (worked.comments == StepComments{{"oops"}}) {
                ++refusals;
                EXPECT_EQ(readLines(worked.steps.front()).back(), "numbers too large") << what;
                continue;
            }
            const std::vector<std::string> closing = readLines(worked.steps.back());
            ASSERT_GE(closing.size(), 4u) << what;
            roots.push_back(closing.size() == 4 ? closing[3] : closing[3] + " | " + closing[4]);
        }
        EXPECT_TRUE(refusals == 0 || refusals == 3) << "some methods refuse, others solve: " << what;
        if (refusals != 0) continue;
        ++solved;
        // The integers: every coefficient times the lcm of the denominators.
        std::int64_t L = 1;
        for (const Rational& r : abc) L = std::lcm(L, r.denominator);
        const __int128 A = __int128{abc[0].numerator} * (L / abc[0].denominator),
                       B = __int128{abc[1].numerator} * (L / abc[1].denominator),
                       C = __int128{abc[2].numerator} * (L / abc[2].denominator);
        const __int128 D = B * B - 4 * A * C;
        if (D > 1000000000000 || D < -1000000000000 || A * A > INT64_MAX || B * B > INT64_MAX) continue;
        ++checked;
        const std::string expected =
            expectedRoots(static_cast<std::int64_t>(A), static_cast<std::int64_t>(B), static_cast<std::int64_t>(C));
        for (const std::string& r : roots) EXPECT_EQ(r, expected) << what;
    }
    EXPECT_GT(solved, 250);
    EXPECT_GT(checked, 100);
}

}  // namespace
}  // namespace duolinear

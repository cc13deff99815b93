// The factoring method: whole worked solutions, every caption and line; the
// refusals; that each step begins where the one before it ended; and a
// randomized check against a(x − p)(x − q) built in the test.

#include <algorithm>
#include <random>

#include <gtest/gtest.h>

#include "QuadraticTestSupport.h"
#include "quadratic/FactoringSteps.h"
#include "support/StepJoins.h"

namespace duolinear {
namespace {

using namespace duolinear::testing;

const std::string kLcm2 = "2 is LCM of denominators\n\nwe can use any multiple of the\ndenominators to clear fractions";

struct Solution {
    std::string equation;
    LinearStepChoices choices;
    std::vector<std::string> steps;  // read with marks
};

TEST(FactoringSteps, WholeWorkedSolutions) {
    const Solution solutions[] = {
        {"x^2 - 5x + 6 = 0",
         {},
         {"🤔: x² − 5x + 6 = 0", "complete the factorization: x² − 5x + 6 = 0 | (x − 2)(x − 3) = 0",
          "zero-product rule: x² − 5x + 6 = 0 | (x − 2)(x − 3) = 0 |  |  | x − 2 = 0 or x − 3 = 0 | x = 2 or x = 3",
          "😎: x² − 5x + 6 = 0 |  |  | x = 2 or x = 3 | distinct rational solutions | (number line order)"}},
        // The factor of the root with the smaller denominator comes first.
        {"2x^2 - 5x - 3 = 0",
         {},
         {"🤔: 2x² − 5x − 3 = 0", "complete the factorization: 2x² − 5x − 3 = 0 | (x − 3)(2x + 1) = 0",
          "zero-product rule: 2x² − 5x − 3 = 0 | (x − 3)(2x + 1) = 0 |  |  | x − 3 = 0 or 2x + 1 = 0 | x = 3 or "
          "x = -[1/2]",
          "😎: 2x² − 5x − 3 = 0 |  |  | x = -[1/2] or x = 3 | distinct rational solutions | (number line order)"}},
        // A zero root: no common factor without a constant, the factor x first.
        {"x^2 = 4x",
         {},
         {"🤔: x² = 4x", "descending powers of x: x² = 4x | x² − 4x = 0 | left hand side for convenience",
          "complete the factorization: x² = 4x | x² − 4x = 0 | x(x − 4) = 0",
          "zero-product rule: x² = 4x | x² − 4x = 0 | x(x − 4) = 0 |  |  | x = 0 or x − 4 = 0 | x = 0 or x = 4",
          "😎: x² = 4x |  |  | x = 0 or x = 4 | distinct rational solutions | (number line order)"}},
        {"0 = x^2 - 4",
         {.highlight = true},
         {"🤔: 0 = x² − 4", "descending powers of x: 0 = x² − 4 | x² − 4 = 0 | exchange sides for convenience",
          "complete the factorization: 0 = x² − 4 | x² − 4 = 0 | (x + 2)(x − 2) = 0",
          "zero-product rule: 0 = x² − 4 | x² − 4 = 0 | (x + 2)(x − 2) = 0 |  |  | *x* *+* *2* *=* *0** or **x* *−* "
          "*2* *=* *0* | x = -2 or x = 2",
          "😎: 0 = x² − 4 |  |  | x = -2 or x = 2 | distinct rational solutions | (number line order)"}},
        {"1/2x^2 - 2 = 0",
         {.highlight = true},
         {"🤔: [1/2]x² − 2 = 0",
          "clear fractions: [1/2]x² − 2 = 0 | *2*([1/2]x² − 2) = *2*(0) | x² − 4 = 0 |  |  | " + kLcm2,
          "complete the factorization: [1/2]x² − 2 = 0 | 2([1/2]x² − 2) = 2(0) | x² − 4 = 0 | (x + 2)(x − 2) = 0",
          "zero-product rule: [1/2]x² − 2 = 0 | 2([1/2]x² − 2) = 2(0) | x² − 4 = 0 | (x + 2)(x − 2) = 0 |  |  | *x* "
          "*+* *2* *=* *0** or **x* *−* *2* *=* *0* | x = -2 or x = 2",
          "😎: [1/2]x² − 2 = 0 |  |  | x = -2 or x = 2 | distinct rational solutions | (number line order)"}},
        {"x^2 + 1 = 0",
         {},
         {"🤔: x² + 1 = 0", "no solution: x² + 1 = 0 |  |  | no solution", "😎: x² + 1 = 0 |  |  | no solution"}},
        // The caption is the verdict; surds over a common denominator.
        {"x^2 + 2x - 1 = 0",
         {},
         {"🤔: x² + 2x − 1 = 0",
          "factors but not over integers: x² + 2x − 1 = 0 |  |  | factors but not over integers",
          "😎: x² + 2x − 1 = 0 |  |  | x = -1 − √2 or x = -1 + √2 | distinct irrational solutions | (number line "
          "order)\n\nshown for convenience"}},
        // In y: the zero side made in y is still a zero side, and the factors are in y.
        {"2y^2 - 2y = 12",
         {},
         {"🤔: 2y² − 2y = 12",
          "descending powers of y: 2y² − 2y = 12 | 2y² − 2y − 12 = 0 | left hand side for convenience",
          "simplify the equation: 2y² − 2y = 12 | *2*y² *−* *2*y *−* *12* = 0 | *2*(y² − y − 6) = 0 | y² − y − 6 = 0 | "
          "\n2 is greatest common divisor\n\nfactor out  2\ndivide both sides by  2",
          "complete the factorization: 2y² − 2y = 12 | 2y² − 2y − 12 = 0 | 2(y² − y − 6) = 0 | y² − y − 6 = 0 | (y + "
          "2)(y − 3) = 0",
          "zero-product rule: 2y² − 2y = 12 | 2y² − 2y − 12 = 0 | 2(y² − y − 6) = 0 | y² − y − 6 = 0 | (y + 2)(y − 3) "
          "= 0 |  |  | y + 2 = 0 or y − 3 = 0 | y = -2 or y = 3",
          "😎: 2y² − 2y = 12 |  |  | y = -2 or y = 3 | distinct rational solutions | (number line order)"}},
        // A factor other than a power of ten clears fractions, shown as
        // fractions: 3 times 0.66666667 would not read 2.
        {"2/3x^2 + 4x = 0",
         {.style = Style::decimal},
         {"🤔: 0.66666667x² + 4x = 0",
          "clear fractions: [2/3]x² + 4x = 0 | 3([2/3]x² + 4x) = 3(0) | 2x² + 12x = 0 |  |  | 3 is LCM of "
          "denominators\n\nwe can use any multiple of the\ndenominators to clear fractions",
          "complete the factorization: [2/3]x² + 4x = 0 | 3([2/3]x² + 4x) = 3(0) | 2x² + 12x = 0 | 2x(x + 6) = 0",
          "zero-product rule: [2/3]x² + 4x = 0 | 3([2/3]x² + 4x) = 3(0) | 2x² + 12x = 0 | 2x(x + 6) = 0 |  |  | x = 0 "
          "or x + 6 = 0 | x = 0 or x = -6",
          "😎: 0.66666667x² + 4x = 0 |  |  | x = -6 or x = 0 | distinct rational solutions | (number line order)"}},
        {"0.3x^2 - 0.5x = 0.2",
         {.skipOpeningFrame = true, .style = Style::decimal},
         {"clear decimals: 0.3x² − 0.5x = 0.2 | 10(0.3x² − 0.5x) = 10(0.2) | 3x² − 5x = 2 |  |  | \nhighest decimal "
          "place count\nis 1, multiply both sides\nby 10¹ = 10",
          "descending powers of x: 0.3x² − 0.5x = 0.2 | 10(0.3x² − 0.5x) = 10(0.2) | 3x² − 5x = 2 | 3x² − 5x − 2 = 0 | "
          "left hand side for convenience",
          "complete the factorization: 0.3x² − 0.5x = 0.2 | 10(0.3x² − 0.5x) = 10(0.2) | 3x² − 5x = 2 | 3x² − 5x − 2 = "
          "0 | (x − 2)(3x + 1) = 0",
          "zero-product rule: 0.3x² − 0.5x = 0.2 | 10(0.3x² − 0.5x) = 10(0.2) | 3x² − 5x = 2 | 3x² − 5x − 2 = 0 | (x − "
          "2)(3x + 1) = 0 |  |  | x − 2 = 0 or 3x + 1 = 0 | x = 2 or x = -[1/3]"}},
        // Decimals are cleared by the places shown: 67580/10000 reads 6.758.
        {"67580/10000x^2 = 6.758x",
         {.skipOpeningFrame = true, .style = Style::decimal},
         {"clear decimals: 6.758x² = 6.758x | 1000(6.758x²) = 1000(6.758x) | 6758x² = 6758x |  |  | \nhighest decimal "
          "place count\nis 3, multiply both sides\nby 10³ = 1000",
          "descending powers of x: 6.758x² = 6.758x | 1000(6.758x²) = 1000(6.758x) | 6758x² = 6758x | 6758x² − 6758x = "
          "0 | left hand side for convenience",
          "complete the factorization: 6.758x² = 6.758x | 1000(6.758x²) = 1000(6.758x) | 6758x² = 6758x | 6758x² − "
          "6758x = 0 | 6758x(x − 1) = 0",
          "zero-product rule: 6.758x² = 6.758x | 1000(6.758x²) = 1000(6.758x) | 6758x² = 6758x | 6758x² − 6758x = 0 | "
          "6758x(x − 1) = 0 |  |  | x = 0 or x − 1 = 0 | x = 0 or x = 1"}},
        // Clearing denominators of -1 is multiplying by 1, no clearing step;
        // but the numbers then read otherwise, which shows as "simplify".
        {"x^2 + 9033/-1x = 0",
         {},
         {"🤔: x² + -[9033/1]x = 0", "simplify: x² + -[9033/1]x = 0 | x² − 9033x = 0",
          "complete the factorization: x² + -[9033/1]x = 0 | x² − 9033x = 0 | x(x − 9033) = 0",
          "zero-product rule: x² + -[9033/1]x = 0 | x² − 9033x = 0 | x(x − 9033) = 0 |  |  | x = 0 or x − 9033 = 0 | "
          "x = 0 or x = 9033",
          "😎: x² + -[9033/1]x = 0 |  |  | x = 0 or x = 9033 | distinct rational solutions | (number line order)"}},
        {"z^2 - 1/-1z = 0",
         {.skipOpeningFrame = true, .style = Style::decimal},
         {"simplify: z² − -z = 0 | z² + z = 0", "complete the factorization: z² − -z = 0 | z² + z = 0 | z(z + 1) = 0",
          "zero-product rule: z² − -z = 0 | z² + z = 0 | z(z + 1) = 0 |  |  | z = 0 or z + 1 = 0 | z = 0 or z = -1"}},
        // Here -x reads the same once cleared: no step.
        {"9033x^2 = 1/-1x",
         {.skipOpeningFrame = true, .style = Style::decimal},
         {"descending powers of x: 9033x² = -x | 9033x² + x = 0 | left hand side for convenience",
          "complete the factorization: 9033x² = -x | 9033x² + x = 0 | x(9033x + 1) = 0",
          "zero-product rule: 9033x² = -x | 9033x² + x = 0 | x(9033x + 1) = 0 |  |  | x = 0 or 9033x + 1 = 0 | x = 0 "
          "or x = -[1/9033]"}},
        // B² leaves 64 bits; the roots do not. A repeated root has its factor set to 0, then the root.
        {"y^2 - 3367965868y + 2825292388032928000 = 0",
         {.skipOpeningFrame = true},
         {"complete the factorization: y² − 3367965868y + 2825292388032928000 = 0 | (y − 1581483500)(y − "
          "1786482368) = 0",
          "zero-product rule: y² − 3367965868y + 2825292388032928000 = 0 | (y − 1581483500)(y − 1786482368) = 0 |  | "
          " | y − 1581483500 = 0 or y − 1786482368 = 0 | y = 1581483500 or y = 1786482368"}},
        {"y^2 + 5005560086y + 6263907943639081849 = 0",
         {},
         {"🤔: y² + 5005560086y + 6263907943639081849 = 0",
          "complete the factorization: y² + 5005560086y + 6263907943639081849 = 0 | (y + 2502780043)(y + "
          "2502780043) = 0",
          "zero-product rule: y² + 5005560086y + 6263907943639081849 = 0 | (y + 2502780043)(y + 2502780043) = 0 |  | "
          " | y + 2502780043 = 0 | y = -2502780043",
          "😎: y² + 5005560086y + 6263907943639081849 = 0 |  |  | y = -2502780043 | repeated rational solution"}},
    };
    for (const Solution& s : solutions) {
        EXPECT_EQ(readSteps(factoringSteps(parseEquation(s.equation), s.choices), true), s.steps) << s.equation;
    }
}

TEST(FactoringSteps, RefusesWhatItCannotSolveInOneStep) {
    const std::string big = "4611686018427387904";  // 2^62: the radicand 2^64 + 1 leaves 64 bits
    const struct {
        std::string equation;
        std::vector<std::string> why;
    } cases[] = {
        {"x^2 + 1/0x = 0", {"division by zero", "please correct"}},
        {"x^3 - 4x = 0", {"only equations of degree 2", "are solved"}},
        {"x^3 = 8", {"only equations of degree 2", "are solved"}},
        // The degree is tested before the relation.
        {"x^3 + x < 1", {"only equations of degree 2", "are solved"}},
        {"x^3 > x^2", {"only equations of degree 2", "are solved"}},
        {"x^2 < 4", {"quadratic inequalities", "are not solved"}},
        {"2x^2 ≥ x^2 + 3x", {"quadratic inequalities", "are not solved"}},
        {"x^2 + y = 4", {"only equations in", "one variable are solved"}},
        // A limit of the program, not a mistake to correct.
        {"x^2 + x - " + big + " = 0", {"numbers too large"}},
    };
    for (const auto& c : cases) {
        const PolyEquation e = parseEquation(c.equation);
        for (bool skip : {false, true}) {
            const WorkedSteps worked = factoringSteps(e, {.skipOpeningFrame = skip});
            ASSERT_EQ(worked.steps.size(), 1u) << c.equation;
            EXPECT_EQ(worked.comments.front(), std::vector<std::string>{"oops"}) << c.equation;
            EXPECT_EQ(readLines(worked.steps.front()),
                      concat({{readLine(equationLayout(e, Style::fraction)), "", ""}, c.why}))
                << c.equation;
        }
    }
    // -2⁶³x² − 2⁶³ = 0 has roots to state, but its common factor 2⁶³ does not fit.
    const PolyEquation least{{Monomial{Rational{INT64_MIN, 1}, 2}, Monomial{Rational{INT64_MIN, 1}, 0}},
                             {Monomial{Rational{0, 1}, 0}}};
    for (bool skip : {false, true}) {
        EXPECT_EQ(readSteps(factoringSteps(least, {.skipOpeningFrame = skip})),
                  std::vector<std::string>{"oops: " + readLine(equationLayout(least, Style::fraction)) +
                                           " |  |  | numbers too large"});
    }
    // Cubes that cancel leave a quadratic, and a linear inequality is solved.
    EXPECT_EQ(readSteps(factoringSteps(parseEquation("x^3 + x^2 = x^3 + 4"))).back(),
              "😎: x³ + x² = x³ + 4 |  |  | x = -2 or x = 2 | distinct rational solutions | (number line order)");
    EXPECT_EQ(readSteps(factoringSteps(parseEquation("2x < 6"))).back(), "😎: 2x < 6 | x < 3");
}

// Every step begins where the one before it (or the frame) ended, for random
// equations of degree up to two, their coefficients whole or over -1, in
// every style, including those left linear.
TEST(FactoringSteps, EachStepBeginsWhereTheOneBeforeEnded) {
    std::mt19937 engine(20261208);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine); };
    const Style styles[] = {Style::fraction, Style::rational_fraction, Style::decimal};
    SystemRandomSource random(7);
    for (int trial = 0; trial < 300; ++trial) {
        PolyEquation e{Polynomial{Monomials{}}, Polynomial{Monomials{}}};
        for (Polynomial* side : {&e.LHS, &e.RHS}) {
            for (int t = pick(1, 3); t > 0; --t) {
                const Rational coefficient{pick(-60, 60), pick(0, 1) ? 1 : -1};
                side->terms.push_back(Monomial{coefficient, static_cast<std::uint64_t>(pick(0, 2))});
            }
        }
        const WorkedSteps worked = factoringSteps(e, {.style = styles[pick(0, 2)], .random = &random});
        EXPECT_EQ(firstUnjoinedStep(worked, [](const StepLines& lines) { return readLines(lines); }), "")
            << readLine(equationLayout(e, Style::fraction));
    }
}

// a(x − p)(x − q) expanded, its terms shuffled over both sides (a term moved
// across changes its sign), sometimes in y, sometimes divided through by a
// whole number so that the method clears fractions first.
TEST(FactoringSteps, RootsOfRandomProductsOfTwoFactors) {
    std::mt19937 engine(20240927);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine); };
    for (int trial = 0; trial < 200; ++trial) {
        const std::int64_t a = pick(1, 4) * (pick(0, 1) ? 1 : -1), p = pick(-6, 6), q = pick(-6, 6);
        const std::int64_t divisor = pick(0, 2) == 0 ? pick(2, 5) : 1;
        const char letter = pick(0, 3) == 0 ? 'y' : 'x';
        const std::int64_t coefficients[] = {a, -a * (p + q), a * p * q};  // of x², x, 1
        Monomials terms;
        for (std::uint64_t e = 0; e < 3; ++e) {
            if (coefficients[2 - e] != 0) terms.push_back(Monomial{Rational{coefficients[2 - e], divisor}, e, letter});
        }
        std::shuffle(terms.begin(), terms.end(), engine);
        PolyEquation e{Polynomial{Monomials{}}, Polynomial{Monomials{}}};
        for (Monomial term : terms) {
            const bool across = pick(0, 1) == 1;
            if (across) term.coefficient.numerator = -term.coefficient.numerator;
            (across ? e.RHS : e.LHS).terms.push_back(term);
        }
        if (e.LHS.terms.empty()) e.LHS = Polynomial{Monomial{Rational{0, 1}, 0, letter}};
        if (e.RHS.terms.empty()) e.RHS = Polynomial{Monomial{Rational{0, 1}, 0, letter}};

        const std::string what = readLine(equationLayout(e, Style::fraction));
        const std::vector<std::string> steps = readSteps(factoringSteps(e));
        if (trial % 8 == 0) {  // technique and method change nothing
            EXPECT_EQ(readSteps(factoringSteps(e, {.technique = Technique::balance, .method = Method::standard})),
                      steps)
                << what;
        }
        ASSERT_GE(steps.size(), 3u) << what;

        const std::string v(1, letter);
        const std::string smaller = std::to_string(std::min(p, q)), larger = std::to_string(std::max(p, q));
        const std::string closing = "😎: " + what + " |  |  | " +
                                    (p == q ? v + " = " + smaller + " | repeated rational solution"
                                            : v + " = " + smaller + " or " + v + " = " + larger +
                                                  " | distinct rational solutions | (number line order)");
        EXPECT_EQ(steps.back(), closing);
        // D = a²(p − q)² is never negative: the rule always applies, its last
        // line names both roots (in the order of the factors), and only x² = 0
        // has no factored form.
        const std::string& rule = steps[steps.size() - 2];
        EXPECT_EQ(rule.rfind("zero-product rule: ", 0), 0u) << what << "\n" << rule;
        const std::string named = rule.substr(rule.rfind(" | ") + 3);
        const std::string P = v + " = " + std::to_string(p), Q = v + " = " + std::to_string(q);
        EXPECT_TRUE(p == q ? named == P : named == P + " or " + Q || named == Q + " or " + P) << what << "\n" << named;
        const bool factored = std::any_of(steps.begin(), steps.end(), [](const std::string& s) {
            return s.rfind("complete the factorization: ", 0) == 0;
        });
        EXPECT_EQ(factored, p != 0 || q != 0) << what;
    }
}

}  // namespace
}  // namespace duolinear

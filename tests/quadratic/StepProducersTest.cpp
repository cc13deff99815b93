// The step producers the quadratic methods share: cancelling square terms,
// the descending-powers step, the common factor, the factored form and the
// zero-product rule; one table each, equations read back in the fraction
// style with red marks as *...*.

#include <gtest/gtest.h>

#include "QuadraticTestSupport.h"
#include "linear_steps/ExtendedPolynomialLayout.h"
#include "quadratic/CommonFactorStep.h"
#include "quadratic/FactoredForm.h"
#include "quadratic/OpeningSteps.h"
#include "rational_expressions/FactoredLayout.h"

namespace duolinear {
namespace {

using namespace duolinear::testing;

std::string read(const PolyEquation& e) {
    return readLine(equationLayout(e, Style::fraction), true);
}

// The same equation with every constant (and so every zero side) in the letter y.
PolyEquation inY(PolyEquation e) {
    for (Polynomial* side : {&e.LHS, &e.RHS}) {
        for (Monomial& term : side->terms) term.variable = 'y';
    }
    return e;
}

TEST(OpeningSteps, SquareTermsCancelAndSidesComeToDescendingPowers) {
    const struct {
        std::string equation, cancelled;
    } cancels[] = {
        {"x^2 + 3x = x^2 + 5", "3x = 5"}, {"x^2 = x^2 + 2x", "0 = 2x"},       {"2x^2 + x = 3x^2 + 1", "none"},
        {"1/2x^2 + x = x^2", "none"},     {"2x^2 + x = 4/2x^2 + 1", "x = 1"},
    };
    for (const auto& c : cancels) {
        const std::optional<PolyEquation> e = cancelSquareTerms(parseEquation(c.equation));
        EXPECT_EQ(e ? read(*e) : "none", c.cancelled) << c.equation;
    }

    const struct {
        PolyEquation equation;
        std::string lines;  // the equations after the input, then the message
    } exchanges[] = {
        {parseEquation("x^2 - 4 = 0"), "none"},
        {inY(parseEquation("y^2 - 4 = 0")), "none"},  // a zero side in y is a zero side
        {parseEquation("-4 + x^2 = 0"), "x² − 4 = 0 | -"},
        {parseEquation("0 = x^2 - 4"), "x² − 4 = 0 | exchange sides for convenience"},
        {parseEquation("0 = -4 + x^2"), "0 = x² − 4 | x² − 4 = 0 | exchange sides for convenience"},
        {parseEquation("x^2 + 2x = x + 6"), "x² + x − 6 = 0 | left hand side for convenience"},
        {parseEquation("x^2 + x = x^2 + 1"), "x − 1 = 0 | left hand side for convenience"},
        {parseEquation("x^2 = x^2"), "0 = 0 | left hand side for convenience"},
        {parseEquation("0 = 0"), "none"},
    };
    for (const auto& c : exchanges) {
        const Outcome<ExchangeSides> step = exchangeSidesStep(c.equation);
        std::string text = "none";
        if (step.applies()) {
            EXPECT_EQ(read(step.value->equations.front()), read(c.equation));
            text.clear();
            for (std::size_t i = 1; i < step.value->equations.size(); ++i)
                text += read(step.value->equations[i]) + " | ";
            text += step.value->message.value_or("-");
        }
        EXPECT_EQ(text, c.lines) << read(c.equation);
    }
    EXPECT_EQ(higherPowerTermCount(parseEquation("x^2 + 5 = x^3")), 2);
    EXPECT_EQ(higherPowerTermCount(parseEquation("3x = 7")), 0);
}

TEST(CommonFactorStep, TakesOutTheGreatestCommonDivisor) {
    const struct {
        PolyEquation equation;
        std::string lines;  // the three equations, then the message
    } cases[] = {
        {parseEquation("-x^2 + 5x - 6 = 0"),
         "*-*x² *+* *5*x *−* *6* = 0 | *-*(x² − 5x + 6) = 0 | x² − 5x + 6 = 0 |  \nfactor out  -1\ndivide both sides "
         "by  -1"},
        {parseEquation("-2x^2 + 4x + 6 = 0"),
         "*-2*x² *+* *4*x *+* *6* = 0 | *-2*(x² − 2x − 3) = 0 | x² − 2x − 3 = 0 | \n2 is greatest common "
         "divisor\n\nfactor out  -2\ndivide both sides by  -2"},
        {parseEquation("0 = 3x^2 - 6"),
         "0 = *3*x² *−* *6* | 0 = *3*(x² − 2) | 0 = x² − 2 | \n3 is greatest common divisor\n\nfactor out  3\ndivide "
         "both sides by  3"},
        {inY(parseEquation("3y^2 - 6 = 0")),
         "*3*y² *−* *6* = 0 | *3*(y² − 2) = 0 | y² − 2 = 0 | \n3 is greatest common divisor\n\nfactor out  3\ndivide "
         "both sides by  3"},
        {parseEquation("x^2 - 5x + 6 = 0"), "none"},  // G = 1
        {parseEquation("2x^2 + 4x = 0"), "none"},     // no constant term
        {parseEquation("2x^2 = 4x + 6"), "none"},     // no zero side
        {parseEquation("1/2x^2 - 1 = 0"), "none"},    // not whole coefficients
        {parseEquation("0 = 0"), "none"},             // G = 0
        // A zero leading coefficient is not negative: G stays positive.
        {parseEquation("0x^2 + 2x + 4 = 0"),
         "*0*x² *+* *2*x *+* *4* = 0 | *2*(0x² + x + 2) = 0 | 0x² + x + 2 = 0 | \n2 is greatest common "
         "divisor\n\nfactor out  2\ndivide both sides by  2"},
    };
    for (const auto& c : cases) {
        const Outcome<CommonFactorStep> step = factorOutGCDStep(c.equation);
        std::string text = "none";
        if (step.applies()) {
            text.clear();
            for (const Ext_polyEquation& x : step.value->equations) {
                text += readLine(extEquationLayout(Style::fraction, x), true) + " | ";
            }
            text += step.value->message;
        }
        EXPECT_EQ(text, c.lines) << read(c.equation);
    }
    // The common divisor 2⁶³ does not fit: the arithmetic gives out.
    EXPECT_TRUE(factorOutGCDStep({{Monomial{Rational{INT64_MIN, 1}, 2}, Monomial{Rational{INT64_MIN, 1}, 0}},
                                  {Monomial{Rational{0, 1}, 0}}})
                    .failed);
}

TEST(FactoredForm, FactorsFromTheRootsAndTheZeroProductRule) {
    const struct {
        PolyEquation equation;
        std::string factored, lists;
    } cases[] = {
        {parseEquation("x^2 - x - 6 = 0"), "(x + 2)(x − 3) = 0",
         "*x* *+* *2* *=* *0*; x = -2 || *x* *−* *3* *=* *0*; x = 3"},
        {parseEquation("x^2 - 2x + 1 = 0"), "(x − 1)(x − 1) = 0", "*x* *−* *1* *=* *0*; x = 1"},
        {parseEquation("6x^2 - 4x = 0"), "2x(3x − 2) = 0", "*x* *=* *0*; x = 0 || *3**x* *−* *2* *=* *0*; x = [2/3]"},
        {parseEquation("-2x^2 + 4x = 0"), "-2x(x − 2) = 0", "*x* *=* *0*; x = 0 || *x* *−* *2* *=* *0*; x = 2"},
        {parseEquation("x^2 + 3x = 0"), "x(x + 3) = 0", "*x* *=* *0*; x = 0 || *x* *+* *3* *=* *0*; x = -3"},
        {parseEquation("x^2 = 0"), "none", "*x* *=* *0*; ~x~ ~=~ ~0~"},
        {parseEquation("0 = x^2 - x - 6"), "0 = (x + 2)(x − 3)",
         "*x* *+* *2* *=* *0*; x = -2 || *x* *−* *3* *=* *0*; x = 3"},
        // In y: the factors take the letter of the squared term, and a zero
        // side in y stays on the right.
        {parseEquation("y^2 - 4 = 0"), "(y + 2)(y − 2) = 0",
         "*y* *+* *2* *=* *0*; y = -2 || *y* *−* *2* *=* *0*; y = 2"},
        {inY(parseEquation("y^2 - y - 6 = 0")), "(y + 2)(y − 3) = 0",
         "*y* *+* *2* *=* *0*; y = -2 || *y* *−* *3* *=* *0*; y = 3"},
        // The letter is that of the first x-term, before that of a square.
        {parseEquation("y^2 - x - 6 = 0"), "(x + 2)(x − 3) = 0",
         "*x* *+* *2* *=* *0*; x = -2 || *x* *−* *3* *=* *0*; x = 3"},
    };
    for (const auto& c : cases) {
        const Outcome<Polynomial_Equation_XL> factored = factoredForm(c.equation);
        EXPECT_EQ(factored.applies() ? readLine(xlEquationLayout(Style::fraction, *factored.value)) : "none",
                  c.factored)
            << read(c.equation);
        const Outcome<FactorabilityVerdict> verdict = factorabilityVerdict(true, c.equation);
        ASSERT_TRUE(verdict.applies()) << read(c.equation);
        std::string lists = verdict.value->message.value_or("");
        for (const auto* list : {&verdict.value->first, &verdict.value->second}) {
            if (!*list) continue;
            if (!lists.empty()) lists += " || ";
            lists += read((*list)->front()) + "; " + read((*list)->back());
        }
        EXPECT_EQ(lists, c.lists) << read(c.equation);
    }
    // Without highlighting the marked line is black; no roots can be formed without x².
    EXPECT_EQ(read(factorabilityVerdict(false, parseEquation("x^2 - 1 = 0")).value->first->front()), "x + 1 = 0");
    EXPECT_TRUE(factoredForm(parseEquation("2x = 0")).failed);
}

}  // namespace
}  // namespace duolinear

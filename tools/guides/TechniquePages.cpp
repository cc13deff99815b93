#include <optional>

#include "algebra/AlgebraLayouts.h"
#include "algebra/Equation.h"
#include "algebra/Monomial.h"
#include "algebra/Options.h"
#include "guides/Examples.h"
#include "guides/Guides.h"
#include "guides/PageText.h"

namespace duolinear::guides {

namespace {

const SystemSpec kCommonFactor{4, 6, 10, 1, -1, 1};
const SystemSpec kOneVariable{2, 0, 4, 3, 5, 16};
const SystemSpec kSameLine{3, -1, 2, -6, 2, -4};

void appendStep(Page& page, const std::optional<StepBlock>& step, const std::string& source) {
    if (!step) return;
    page.blocks.push_back(note(source));
    page.blocks.push_back(*step);
}

Monomial term(long long coefficient, char letter) {
    return Monomial{Rational{coefficient, 1}, 1, letter};
}
Monomial constant(long long value) {
    return Monomial{Rational{value, 1}, 0};
}

TagLayout line(Monomials left, Monomials right) {
    return equationLayout(PolyEquation{Polynomial{std::move(left)}, Polynomial{std::move(right)}}, Style::fraction);
}

}  // namespace

Page commonFactorPage(Duolinear_method method) {
    Page page{{
        heading("Common factors first"),
        para("When the three numbers of an equation share a factor, divide it out before anything else: " +
             firstEquationText(kCommonFactor) + " is " + equationText(2, 3, 5) +
             " doubled, and smaller numbers mean less work and fewer slips."),
        para("The app spots this for you in a step marked \u201Cadvisory\u201D. It is advice only: the working "
             "after it still uses the equations as you typed them, so that you can follow every number."),
    }};
    appendStep(page, stepWithCaption(kCommonFactor, {method}, "advisory"),
               "The app's advisory step for " + firstEquationText(kCommonFactor) + " and " +
                   secondEquationText(kCommonFactor) + ":");
    return page;
}

Page shortcutPage(Duolinear_method method) {
    Page page{{
        heading("When a variable is missing"),
        para("If a coefficient is 0, say in " + firstEquationText(kOneVariable) +
             ", that equation holds one variable only and can be solved straight away: x\u00A0=\u00A02. There "
             "is nothing to " +
             (method == Duolinear_method::substitution ? "express" : "eliminate") +
             ". The value then goes into the other equation."),
        para("The app takes this shortcut whatever method and options you chose. Its steps are captioned "
             "\u201Csolve first\u201D and \u201Csolve second\u201D."),
    }};
    appendStep(page, stepWithCaption(kOneVariable, {method}, "solve second"),
               "The app's second step for " + firstEquationText(kOneVariable) + " and " +
                   secondEquationText(kOneVariable) + ":");
    return page;
}

Page specialCasesPage(Duolinear_method method) {
    const std::string how = method == Duolinear_method::substitution
                                ? "After substituting, the variable cancels out of the equation"
                                : "When the equations are combined, both variables cancel together";
    Page page{{
        heading("No solution, or infinitely many"),
        para(how + ", and what is left is an equation without a variable:"),
        bullet("a false one, such as 0\u00A0=\u00A03: no pair of numbers can make it true, so the system has "
               "no solution. The lines are parallel."),
        bullet("a true one, 0\u00A0=\u00A00: it holds for every pair, so the system has infinitely many "
               "solutions. The lines are the same line."),
        para("Either way there is no value to substitute back, and the worked solution goes straight to its "
             "verdict. For infinitely many solutions the app also writes the common line, most often solved "
             "for y, as below."),
    }};
    appendStep(
        page, stepWithCaption(kSameLine, {method}, "\U0001F60E"),
        "The app's last step for " + firstEquationText(kSameLine) + " and " + secondEquationText(kSameLine) + ":");
    return page;
}

Page movingTermsPage(Duolinear_method method) {
    const std::string where = method == Duolinear_method::substitution
                                  ? "Both the rearranging and the one-variable working move terms"
                                  : "Once a variable is eliminated, one equation in one variable is left";
    return {{
        heading("Moving terms: balance and transpose"),
        para(where + ". There are two ways to think about moving a term across the equals sign."),
        bullet("Balance: do the same to both sides. Subtracting 3 from both sides of 5y\u00A0+\u00A03\u00A0=\u00A013 "
               "keeps it true and leaves 5y on the left."),
        bullet("Transpose: move the term to the other side and change its sign: +3 on the left becomes \u22123 on "
               "the right. It is the balance step written shorter."),
        LinesBlock{
            {line({term(5, 'y'), constant(3)}, {constant(13)}), line({term(5, 'y')}, {constant(13), constant(-3)}),
             line({term(5, 'y')}, {constant(10)}), line({term(1, 'y')}, {constant(2)})},
            22.0},
        para("The app's steps transpose. Last, both sides are divided by the coefficient of the variable: "
             "5y\u00A0=\u00A010 gives y\u00A0=\u00A02. A fraction that remains is shown in lowest terms."),
    }};
}

Page checkingPage(Duolinear_method method) {
    Page page{{
        heading("Check your answer"),
        para("Put the values of x and y back into both equations as you typed them. If both sides agree in "
             "both, the answer is right. The slips that most often spoil an answer:"),
    }};
    if (method == Duolinear_method::substitution) {
        page.blocks.push_back(
            bullet("Substituting the expression back into the equation it came from. It must "
                   "go into the other equation, or everything cancels to 0\u00A0=\u00A00."));
        page.blocks.push_back(
            bullet("Forgetting the brackets: the whole expression is multiplied by the "
                   "coefficient, every term of it."));
        page.blocks.push_back(bullet("Losing a sign when moving a term across the equals sign."));
    } else {
        page.blocks.push_back(bullet("Multiplying only the left side: the number on the right is multiplied too."));
        page.blocks.push_back(
            bullet("Losing a sign when subtracting: every term of the row taken away changes "
                   "its sign."));
        page.blocks.push_back(
            bullet("Substituting into a multiplied equation and mixing up its numbers: the "
                   "equations as typed are simpler and safer."));
    }
    page.blocks.push_back(
        para("When your answer and the app's differ, page back through its steps and find the "
             "first line where your working differs."));
    return page;
}

Page glossaryPage(Duolinear_method method) {
    Page page{{heading("Words you will meet")}};
    page.blocks.push_back(bullet("Coefficient: the number in front of a variable; in 3y it is 3."));
    page.blocks.push_back(bullet("Constant: the number on its own, here on the right of the equals sign."));
    page.blocks.push_back(bullet("System: two equations that must both hold."));
    page.blocks.push_back(bullet("Solution: a pair of values of x and y that makes both equations true."));
    page.blocks.push_back(bullet("Substitute: put a value or an expression in place of a variable."));
    if (method == Duolinear_method::substitution) {
        page.blocks.push_back(
            bullet("Expression: a variable written in terms of the other, such as "
                   "x\u00A0=\u00A08\u00A0\u2212\u00A02y."));
        page.blocks.push_back(bullet("Rearrange: rewrite an equation with a chosen variable alone on the left."));
    } else {
        page.blocks.push_back(bullet("Eliminate: make a variable drop out by adding or subtracting equations."));
        page.blocks.push_back(bullet("Multiplier: the number an equation is multiplied by, every term of it."));
        page.blocks.push_back(
            bullet("LCM: least common multiple, the smallest number that two numbers both "
                   "go into; the LCM of 4 and 6 is 12."));
    }
    page.blocks.push_back(
        bullet("GCD: greatest common divisor, the largest whole number that divides all the "
               "numbers given; the GCD of 4, 6 and 10 is 2."));
    page.blocks.push_back(bullet("Transpose: move a term to the other side of an equation, changing its sign."));
    page.blocks.push_back(
        bullet("Parallel lines: lines that never meet, the picture of a system without "
               "solution."));
    return page;
}

const std::vector<SystemSpec>& exerciseSystems() {
    static const std::vector<SystemSpec> systems{
        {3, 2, 8, 1, -2, 0},  {5, -3, 1, 2, 1, 7},  {4, 5, 3, 3, -2, 8}, {1, 3, 10, 2, -1, -1},
        {7, 2, 11, 3, 4, 11}, {6, -5, 17, 4, 3, 5}, {2, 7, -3, 5, 2, 8}, {3, -4, -6, 5, 6, 28},
    };
    return systems;
}

}  // namespace duolinear::guides

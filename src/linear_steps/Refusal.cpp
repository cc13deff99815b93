#include "linear_steps/Refusal.h"

#include <utility>

#include "algebra/Monomial.h"

namespace duolinear {

std::string refusalText(Refusal reason) {
    switch (reason) {
        case Refusal::zero_denominator:
            return "division by zero";
        case Refusal::numbers_too_large:
            return "numbers too large";
        case Refusal::not_linear:
            return "not linear in one variable";
    }
    return "division by zero";
}

WorkedSteps refusalOf(Refusal reason, TagLayout equationLine) {
    StepLines lines{std::move(equationLine)};
    for (TagLayout& blank : blankLayouts(2)) lines.push_back(std::move(blank));
    lines.push_back(messageLayout(refusalText(reason)));
    lines.push_back(messageLayout("please correct"));
    WorkedSteps worked;
    worked.append(std::move(lines), "oops");
    return worked;
}

bool isLinearInOneVariable(const PolyEquation& equation) {
    char letter = 0;
    for (const Polynomial* side : {&equation.LHS, &equation.RHS}) {
        for (const Monomial& term : side->terms) {
            if (!isNonzeroTerm(term) || term.exponent == 0) continue;
            if (term.exponent != 1) return false;
            if (letter == 0) letter = term.variable;
            if (term.variable != letter) return false;
        }
    }
    return true;
}

}  // namespace duolinear

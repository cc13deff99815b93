#include "quadratic/QuadraticRefusal.h"

#include <string>
#include <utility>

#include "algebra/AlgebraLayouts.h"

namespace duolinear {

namespace {

struct ReasonLines {
    std::string first;
    std::string second;
};

ReasonLines reasonLines(QuadraticRefusal reason) {
    switch (reason) {
        case QuadraticRefusal::zero_denominator:
            return {"division by zero", "please correct"};
        case QuadraticRefusal::overflow:
            return {"numbers too large", ""};  // a limit of the program, not the learner's mistake
        case QuadraticRefusal::several_letters:
            return {"only equations in", "one variable are solved"};
        case QuadraticRefusal::not_degree_two:
            return {"only equations of degree 2", "are solved"};
        case QuadraticRefusal::inequality:
            return {"quadratic inequalities", "are not solved"};
    }
    return {"please correct", ""};
}

}  // namespace

WorkedSteps quadraticRefusal(QuadraticRefusal reason, const PolyEquation& equation, Style style) {
    StepLines lines{equationLayout(equation, style)};
    for (TagLayout& blank : blankLayouts(2)) lines.push_back(std::move(blank));
    const ReasonLines why = reasonLines(reason);
    lines.push_back(messageLayout(why.first));
    if (!why.second.empty()) lines.push_back(messageLayout(why.second));
    WorkedSteps worked;
    worked.append(std::move(lines), "oops");
    return worked;
}

}  // namespace duolinear

#pragma once
// One linear equation or inequality in x, held as one of the twenty forms of
// linearFormDatabase with the values of its coefficient letters and the
// learner's choices, and its worked solution through the bracketed linear
// step engine.

#include <map>
#include <string>

#include "algebra/Options.h"
#include "algebra/Rational.h"
#include "layout/Enumerations.h"
#include "layout/TagLayout.h"

namespace duolinear {

// A worked solution in the three lists that the step screen holds.
struct LinearWorkedSolution {
    StepList steps;
    StepComments comments;
    StepParameters parameters;  // always ["?"]
};

// Built memberwise from all seven fields.
struct LinearEquationModel {
    // The shape, for instance " a + bx ? c + dx " or " a(bx + c) ? d ":
    // coefficient letters, "x", "+", brackets, "?" for the relation, blanks
    // anywhere (they are dropped to find the form).
    std::string format;
    // The values of the letters left of "?" and of those right of it. A
    // letter is read only from its own side's map; letters the form does not
    // name are ignored. Values are used as stored, colours included.
    std::map<char, Rational> coefficients_LHS;
    std::map<char, Rational> coefficients_RHS;
    Relation relation = Relation::equal_to;
    Technique technique = Technique::transpose;
    Style style = Style::fraction;
    Method method = Method::smart;

    // The equation built from the form and handed to the bracketed step
    // engine with highlighting, the opening "🤔" and closing "😎" steps and
    // both clearings of fractions; its steps and comments come back as they
    // are (its own refusals included), with the parameters ["?"]. A form that
    // is not in the table, or a letter of the form missing from its side's
    // map, gives the one step "unexpected error", commented "database issue".
    // The smart method's advice draws from the default random source.
    LinearWorkedSolution solveLinearEquation() const;
};

}  // namespace duolinear

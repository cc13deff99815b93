#include "linear_problems/LinearEquationModel.h"

#include <optional>
#include <utility>

#include "algebra/Term.h"
#include "linear_problems/LinearForms.h"
#include "linear_steps/ExtendedLinearSteps.h"

namespace duolinear {

namespace {

LinearWorkedSolution databaseIssue() {
    return LinearWorkedSolution{
        {{messageLayout("unexpected error", Color::black, "anon")}}, {{"database issue"}}, {"?"}};
}

}  // namespace

LinearWorkedSolution LinearEquationModel::solveLinearEquation() const {
    const auto entry = linearFormDatabase().find(linearFormKey(format));
    if (entry == linearFormDatabase().end()) return databaseIssue();
    const LinearFormEntry& form = entry->second;
    std::optional<Ext_polynomial> left = parseTermGroups(form.LHS, coefficients_LHS, form.variable);
    std::optional<Ext_polynomial> right = parseTermGroups(form.RHS, coefficients_RHS, form.variable);
    if (!left || !right) return databaseIssue();

    const Ext_polyEquation equation{std::move(*left), std::move(*right), relation};
    WorkedSteps worked = extendedLinearEquationSteps(equation, {.technique = technique,
                                                                .highlight = true,
                                                                .skipOpeningFrame = false,
                                                                .style = style,
                                                                .method = method,
                                                                .clearFractions = true,
                                                                .clearExtFractions = true});
    return LinearWorkedSolution{std::move(worked.steps), std::move(worked.comments), {"?"}};
}

}  // namespace duolinear

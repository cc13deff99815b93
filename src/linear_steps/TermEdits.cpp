#include "linear_steps/TermEdits.h"

#include <algorithm>

#include "algebra/Checked.h"
#include "algebra/PolynomialQueries.h"

namespace duolinear {

namespace {

// Runs the scanning counter over the side until it stops.
template <typename Scanner>
std::size_t termsBefore(const Terms& side, Scanner scanner) {
    std::int64_t counter = 0;
    for (const Monomial& term : side) {
        if (scanner(term, counter)) break;
    }
    return static_cast<std::size_t>(counter);
}

}  // namespace

std::size_t firstVariableTermIndex(const Terms& side) {
    return termsBefore(side, termsBeforeFirstVariableTerm);
}
std::size_t firstConstantTermIndex(const Terms& side) {
    return termsBefore(side, termsBeforeFirstConstant);
}
bool holdsVariableTerm(const Terms& side) {
    return firstVariableTermIndex(side) < side.size();
}
bool holdsConstantTerm(const Terms& side) {
    return firstConstantTermIndex(side) < side.size();
}

Monomial markedTerm(const Monomial& term, bool highlight, bool withLetter) {
    if (!highlight) return term;
    Monomial marked = term;
    marked.coefficient.numerator_color = Color::red;
    marked.coefficient.denominator_color = Color::red;
    marked.coefficient.bar_color = Color::red;
    if (withLetter) marked.variable_color = Color::red;
    return marked;
}

Terms withMarkedTerm(const Terms& side, std::size_t index, bool highlight, bool withLetter) {
    Terms marked = side;
    if (index < marked.size()) marked[index] = markedTerm(marked[index], highlight, withLetter);
    return marked;
}

std::optional<Monomial> negatedNumeratorTerm(const Monomial& term) {
    const CheckedInt numerator = checkedNegate(term.coefficient.numerator);
    if (!numerator) return std::nullopt;
    Monomial negated = term;
    negated.coefficient.numerator = *numerator;
    return negated;
}

Terms withoutTerm(const Terms& side, std::size_t index) {
    Terms rest = side;
    if (index < rest.size()) rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(index));
    if (rest.empty()) rest.push_back(Monomial{});
    return rest;
}

Terms withTermAfter(const Terms& side, std::size_t index, const Monomial& term) {
    Terms result = side;
    const std::size_t at = std::min(index + 1, result.size());
    result.insert(result.begin() + static_cast<std::ptrdiff_t>(at), term);
    return result;
}

}  // namespace duolinear

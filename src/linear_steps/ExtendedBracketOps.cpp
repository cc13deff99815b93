// The rewrites that remove one bracket from a side: distributing its
// multiplier, opening a bracket whose multiplier is 1, and multiplying a
// constant into a bracketed constant.

#include <iterator>

#include "algebra/Checked.h"
#include "algebra/IntegerFunctions.h"
#include "algebra/Options.h"
#include "linear_steps/ExtendedPolynomialOps.h"
#include "linear_steps/ExtendedSideScan.h"

namespace duolinear {

namespace {

using Group = ExtGroup;

bool isConstantOne(const Monomial& m) {
    return m.exponent == 0 && rationalEquals(m.coefficient, Rational{1, 1}, false);
}

// The terms replace the term at position, in order; the group that the
// removed bracket named becomes the zero term.
void splice(Ext_polynomial& side, const ExtTermPosition& position, Group terms, std::size_t openedGroup) {
    Group& group = side.terms[position.group];
    const auto at = group.begin() + static_cast<std::ptrdiff_t>(position.index);
    group.insert(group.erase(at), std::make_move_iterator(terms.begin()), std::make_move_iterator(terms.end()));
    Group& opened = side.terms[openedGroup];
    opened.clear();
    opened.push_back(extZeroTerm());
}

Ext_polynomial spliced(const Ext_polynomial& side, const ExtTermPosition& position, Group terms,
                       std::size_t openedGroup) {
    Ext_polynomial result = side;
    splice(result, position, std::move(terms), openedGroup);
    return result;
}

// The first bracket whose multiplier is the constant 1, if any.
std::optional<ExtTermPosition> firstUnitBracket(const Ext_polynomial& side) {
    return firstExtTermWhere(side, [](const Term& t, const ExtTermPosition& position) {
        return namesEarlierGroup(t, position) && isConstantOne(t.monomial);
    });
}

// t × multiplier in lowest terms with a positive denominator, t's letter,
// exponents added, plain; coloured in mark. No value when the arithmetic
// leaves 64 bits or the product is 0/0.
std::optional<Term> productTerm(const Monomial& t, const Monomial& multiplier, Color mark) {
    const CheckedInt n = checkedMultiply(t.coefficient.numerator, multiplier.coefficient.numerator);
    const CheckedInt d = checkedMultiply(t.coefficient.denominator, multiplier.coefficient.denominator);
    if (!n || !d) return std::nullopt;
    const std::optional<std::int64_t> common = gcd(*n, *d);
    if (!common || *common == 0) return std::nullopt;
    const std::int64_t g = *d < 0 ? -*common : *common;
    const CheckedInt numerator = checkedDivide(n, g);
    const CheckedInt denominator = checkedDivide(d, g);
    std::uint64_t exponent = 0;
    if (!numerator || !denominator || __builtin_add_overflow(t.exponent, multiplier.exponent, &exponent)) {
        return std::nullopt;
    }
    return Term{Monomial{Rational{*numerator, *denominator, mark, mark, mark}, exponent, t.variable, mark},
                SubExpression{}};
}

}  // namespace

Outcome<ExtSidePair> distributeFirstBracket(bool highlight, const Ext_polynomial& side) {
    const auto found =
        firstExtTermWhere(side, [](const Term& t, const ExtTermPosition&) { return t.sub_exp.multiplies; });
    if (!found) return Outcome<ExtSidePair>::nothing();
    const Term& multiplier = extTermAt(side, *found);
    if (!namesEarlierGroup(multiplier, *found)) return Outcome<ExtSidePair>::failure();
    const std::size_t k = multiplier.sub_exp.index;
    const Color mark = highlight ? Color::red : Color::black;

    Group products;
    products.reserve(side.terms[k].size());
    for (const Term& t : side.terms[k]) {
        const std::optional<Term> product = productTerm(t.monomial, multiplier.monomial, mark);
        if (!product) return Outcome<ExtSidePair>::failure();
        products.push_back(*product);
    }

    ExtSidePair pair{side, spliced(side, *found, std::move(products), k)};
    if (highlight) {
        Term& marked = pair.before.terms[found->group][found->index];
        marked.monomial = recoloredMonomial(Color::red, marked.monomial);
        marked.sub_exp_parenthesis_color = Color::red;
        for (Term& t : pair.before.terms[k]) t.monomial = recoloredMonomial(Color::red, t.monomial);
    }
    return Outcome<ExtSidePair>::of(std::move(pair));
}

Outcome<Ext_polynomial> absorbSingleTermGroup(const Ext_polynomial& side) {
    // A constant times a group of one plain constant. The inner term must be
    // plain: a lone bracket term stands for a whole group, not a number.
    const auto found = firstExtTermWhere(side, [&](const Term& t, const ExtTermPosition& position) {
        if (!namesEarlierGroup(t, position) || t.monomial.exponent != 0) return false;
        const Group& inner = side.terms[t.sub_exp.index];
        return inner.size() == 1 && inner.front().monomial.exponent == 0 && !inner.front().sub_exp.multiplies;
    });
    if (!found) return Outcome<Ext_polynomial>::nothing();
    const Term& multiplier = extTermAt(side, *found);
    const std::size_t k = multiplier.sub_exp.index;
    const std::optional<Rational> product =
        rationalProduct(side.terms[k].front().monomial.coefficient, multiplier.monomial.coefficient, true);
    if (!product) return Outcome<Ext_polynomial>::failure();
    const Term absorbed{Monomial{*product, 0, rawValue(Var::x)}, SubExpression{}};
    return Outcome<Ext_polynomial>::of(spliced(side, *found, {absorbed}, k));
}

Outcome<Ext_polynomial> absorbSingleTermGroups(const Ext_polynomial& side) {
    Outcome<Ext_polynomial> result = absorbSingleTermGroup(side);
    if (!result.applies()) return result;
    for (;;) {
        Outcome<Ext_polynomial> next = absorbSingleTermGroup(*result.value);
        if (next.failed) return next;
        if (!next.applies()) return result;
        result = std::move(next);
    }
}

std::optional<Ext_polynomial> unwrapUnitBracket(const Ext_polynomial& side) {
    const auto found = firstUnitBracket(side);
    if (!found) return std::nullopt;
    const std::size_t k = extTermAt(side, *found).sub_exp.index;
    return spliced(side, *found, side.terms[k], k);
}

Ext_polynomial unwrapUnitBrackets(Ext_polynomial side) {
    while (const auto found = firstUnitBracket(side)) {
        const std::size_t k = extTermAt(side, *found).sub_exp.index;
        splice(side, *found, side.terms[k], k);
    }
    return side;
}

}  // namespace duolinear

#include "algebra/Polynomial.h"

#include "algebra/Checked.h"
#include "algebra/IntegerFunctions.h"

namespace duolinear {

bool equals(const Polynomial& a, const Polynomial& b) {
    if (a.terms.size() != b.terms.size()) return false;
    for (std::size_t i = 0; i < a.terms.size(); ++i) {
        if (!equals(a.terms[i], b.terms[i])) return false;
    }
    return true;
}

bool isBareVariable(bool negative, const Monomials& side) {
    if (side.size() != 1) return false;
    const Rational& c = side.front().coefficient;
    return side.front().exponent == 1 && c.denominator == 1 && c.numerator == (negative ? -1 : 1);
}

bool isSingleConstant(bool reduced, const Monomials& side) {
    if (side.size() != 1 || side.front().exponent != 0) return false;
    const Rational& c = side.front().coefficient;
    if (c.denominator == 0) return false;
    if (!reduced) return true;
    return gcdOfMagnitudes(magnitude(c.numerator), magnitude(c.denominator)) == 1 && c.denominator > 0;
}

}  // namespace duolinear

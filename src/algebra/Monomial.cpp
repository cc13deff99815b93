#include "algebra/Monomial.h"

namespace duolinear {

Monomial recoloredMonomial(Color color, const Monomial& monomial) {
    return Monomial{recoloredRational(color, monomial.coefficient), monomial.exponent, monomial.variable, color};
}

bool equals(const Monomial& a, const Monomial& b) {
    if (!equals(a.coefficient, b.coefficient) || a.exponent != b.exponent) return false;
    return a.exponent == 0 || a.variable == b.variable;
}

bool isNonzeroTerm(const Monomial& term) {
    return term.coefficient.numerator != 0;
}
bool isZeroTerm(const Monomial& term) {
    return term.coefficient.numerator == 0;
}
bool isSquareTerm(const Monomial& term) {
    return term.exponent == 2;
}

}  // namespace duolinear

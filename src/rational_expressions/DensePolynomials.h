#pragma once
// Polynomials in one letter multiplied out exactly over the rationals:
// coefficients by power, the constant first, with no zero at the end (the
// zero polynomial is empty). The values of the groups of a factored
// polynomial, and the division of two values (their greatest common divisor
// is in PolynomialGcd.h).
//
// Checked 64-bit arithmetic throughout: where a value does not fit, or a
// power exceeds kMaxSharedDegree, the answer is none.

#include <cstdint>
#include <optional>
#include <vector>

#include "algebra/FactoredPolynomial.h"
#include "algebra/Rational.h"

namespace duolinear {

inline constexpr std::uint64_t kMaxSharedDegree = 256;

using Dense = std::vector<Rational>;

std::optional<Dense> denseProduct(const Dense& a, const Dense& b);

// The value of each group of a well-formed part, groups it names multiplied
// out first; each group is worked out once.
class GroupValues {
public:
    explicit GroupValues(const Polynomial_XL& part) : part_(part), done_(part.terms.size()) {}
    std::optional<Dense> group(std::size_t index);

private:
    const Polynomial_XL& part_;
    std::vector<std::optional<Dense>> done_;
};

// The quotient and remainder of a divided by a non-zero b.
struct DenseDivision {
    Dense quotient;
    Dense remainder;
};
std::optional<DenseDivision> divided(const Dense& a, const Dense& b);

}  // namespace duolinear

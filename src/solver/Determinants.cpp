#include "solver/Determinants.h"

#include <cstdint>

#include "algebra/Checked.h"
#include "algebra/Monomial.h"
#include "algebra/WideFraction.h"

namespace duolinear {

namespace {

const Rational kZero{0, 1};
const Rational kOne{1, 1};

bool isZero(const Rational& value) {
    return equals(value, kZero);
}

// p·q − r·s with reduced products.
std::optional<Rational> crossDifference(const Rational& p, const Rational& q, const Rational& r, const Rational& s) {
    const std::optional<Rational> left = rationalProduct(p, q, true);
    const std::optional<Rational> right = rationalProduct(r, s, true);
    if (!left || !right) return std::nullopt;
    return rationalDifference(*left, *right);
}

// p·q − r·s exactly: each product lies in [−2^126 + 2^63, 2^126], so the
// difference stays strictly inside the 128-bit range.
Wide wideCrossDifference(std::int64_t p, std::int64_t q, std::int64_t r, std::int64_t s) {
    return Wide{p} * q - Wide{r} * s;
}

}  // namespace

PolyEquation solvedForEquation(char letter, const Rational& value) {
    return PolyEquation{{Monomial{kOne, 1, letter}}, {Monomial{value, 0}}, Relation::equal_to};
}

std::optional<DuolinearDeterminants> systemDeterminants(const SystemCoefficients& k) {
    // A zero denominator fails the products, so no guard is needed here.
    const std::optional<Rational> D = crossDifference(k.a1, k.b2, k.b1, k.a2);
    const std::optional<Rational> Dx = crossDifference(k.c1, k.b2, k.b1, k.c2);
    const std::optional<Rational> Dy = crossDifference(k.a1, k.c2, k.c1, k.a2);
    if (!D || !Dx || !Dy) return std::nullopt;
    return DuolinearDeterminants{*D, *Dx, *Dy};
}

std::optional<DuolinearVerdict> verdictFromDeterminants(const DuolinearDeterminants& determinants) {
    if (!isZero(determinants.D)) {
        const std::optional<Rational> x = rationalQuotient(determinants.Dx, determinants.D, true);
        const std::optional<Rational> y = rationalQuotient(determinants.Dy, determinants.D, true);
        if (!x || !y) return std::nullopt;
        return DuolinearVerdict{Duolinear_solution_type::one, x, y};
    }
    if (isZero(determinants.Dx) && isZero(determinants.Dy)) {
        return DuolinearVerdict{Duolinear_solution_type::infinite, std::nullopt, std::nullopt};
    }
    return DuolinearVerdict{Duolinear_solution_type::none, std::nullopt, std::nullopt};
}

std::optional<DuolinearVerdict> wholeSystemVerdict(const WholeCoefficients& k) {
    const Wide D = wideCrossDifference(k.a1, k.b2, k.b1, k.a2);
    const Wide Dx = wideCrossDifference(k.c1, k.b2, k.b1, k.c2);
    const Wide Dy = wideCrossDifference(k.a1, k.c2, k.c1, k.a2);
    if (D != 0) {
        const std::optional<Rational> x = wideFraction(Dx, D);
        const std::optional<Rational> y = wideFraction(Dy, D);
        if (!x || !y) return std::nullopt;
        return DuolinearVerdict{Duolinear_solution_type::one, x, y};
    }
    const Duolinear_solution_type type =
        Dx == 0 && Dy == 0 ? Duolinear_solution_type::infinite : Duolinear_solution_type::none;
    return DuolinearVerdict{type, std::nullopt, std::nullopt};
}

std::optional<DuolinearVerdict> systemVerdict(const Duolinear& system) {
    if (const std::optional<WholeCoefficients> whole = wholeCoefficients(system)) return wholeSystemVerdict(*whole);
    const std::optional<SystemCoefficients> k = systemCoefficients(system);
    if (!k) return std::nullopt;
    const std::optional<DuolinearDeterminants> determinants = systemDeterminants(*k);
    if (!determinants) return std::nullopt;
    return verdictFromDeterminants(*determinants);
}

std::optional<PolyEquation> commonLineEquation(const PolyEquation& equation) {
    if (equation.LHS.terms.size() != 2 || equation.RHS.terms.size() != 1) return std::nullopt;
    const Rational& a = equation.LHS.terms[0].coefficient;
    const Rational& b = equation.LHS.terms[1].coefficient;
    const Rational& c = equation.RHS.terms[0].coefficient;
    if (a.denominator == 0 || b.denominator == 0 || c.denominator == 0) return std::nullopt;

    if (a.numerator == 0) {
        const std::optional<Rational> value = rationalQuotient(c, b, true);
        if (!value) return std::nullopt;
        return solvedForEquation('y', *value);
    }
    if (b.numerator == 0) {
        const std::optional<Rational> value = rationalQuotient(c, a, true);
        if (!value) return std::nullopt;
        return solvedForEquation('x', *value);
    }
    // y = a·(−1/b)·x + c/b
    const std::optional<Rational> negReciprocal = negativeReciprocal(b);
    if (!negReciprocal) return std::nullopt;
    const std::optional<Rational> slope = rationalProduct(a, *negReciprocal, true);
    const std::optional<Rational> intercept = rationalQuotient(c, b, true);
    if (!slope || !intercept) return std::nullopt;

    // The slope is never zero here; a zero intercept is left out (y = -2x).
    Monomials right{Monomial{*slope, 1, 'x'}};
    if (intercept->numerator != 0) right.push_back(Monomial{*intercept, 0});
    return PolyEquation{{Monomial{kOne, 1, 'y'}}, std::move(right), Relation::equal_to};
}

}  // namespace duolinear

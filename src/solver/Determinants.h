#pragma once
// Cramer's rule in exact fractions: the three determinants of a system, the
// verdict they give (one, no or infinitely many solutions, with the values of
// x and y when there is one) and the common line of a dependent system.
// Every operation gives no value when an input has a zero denominator or a
// value it gives does not fit in 64 bits; the Rational operations may also
// give none where a product or difference on the way does not fit, the
// whole-coefficient verdict never does.

#include <optional>

#include "algebra/Equation.h"
#include "algebra/Rational.h"
#include "solver/DuolinearOptions.h"
#include "solver/DuolinearSystem.h"
#include "solver/WholeCoefficients.h"

namespace duolinear {

// D = a1·b2 − b1·a2, Dx = c1·b2 − b1·c2, Dy = a1·c2 − c1·a2; reduced, black.
struct DuolinearDeterminants {
    Rational D;
    Rational Dx;
    Rational Dy;
};

// The verdict without its layout; x and y present exactly when type is one.
struct DuolinearVerdict {
    Duolinear_solution_type type = Duolinear_solution_type::one;
    std::optional<Rational> x;
    std::optional<Rational> y;
};

std::optional<DuolinearDeterminants> systemDeterminants(const SystemCoefficients& k);

// D non-zero: one solution x = Dx / D, y = Dy / D in lowest terms. D zero and
// both Dx and Dy zero: infinitely many. Otherwise none. Zero is tested by
// cross-multiplication against 0/1.
std::optional<DuolinearVerdict> verdictFromDeterminants(const DuolinearDeterminants& determinants);

// The verdict of a system of whole coefficients, its determinants worked
// exactly in 128 bits: no value only when x or y in lowest terms does not fit
// in 64 bits.
std::optional<DuolinearVerdict> wholeSystemVerdict(const WholeCoefficients& k);

// The verdict of a system: wholeSystemVerdict when its coefficients are
// whole, else both steps above. No value also when it is not of the solver's
// shape.
std::optional<DuolinearVerdict> systemVerdict(const Duolinear& system);

// letter = value, all black: the letter with coefficient 1 on the left, one
// constant on the right.
PolyEquation solvedForEquation(char letter, const Rational& value);

// The line on which every solution of a·x + b·y = c lies, all black:
// y = c/b when a is 0, x = c/a when b is 0 (a constant 0 is kept), else
// y = (−a/b)·x + c/b without the constant when it is 0. No value when the
// equation is not of the solver's shape or a and b are both 0.
std::optional<PolyEquation> commonLineEquation(const PolyEquation& equation);

}  // namespace duolinear

#pragma once
// Random practice problems of one linear equation or inequality in x with
// small nonzero whole coefficients, by level:
//
//   level 0        x once on the left, one step     (x − 4 < 7, 4x < 5, x/3 < 5)
//   level 1        x once on the right, one step    (6 < x − 2, 6 < -3x)
//   level 2        x with a coefficient and a constant on the left (5x + 8 < -3)
//   level 3        the same on the right            (4 < 3x − 6)
//   other levels   x on both sides with two different coefficients (3x − 2 < -x + 8)
//
// Each level has four variants, chosen by one uniform draw of 0 to 3; the
// coefficients of the variant's letters are then drawn in letter order. The
// other levels draw the two coefficients of x, as one pair, before the
// variant. The draws (in the order the tables of the source file give) all go
// through the RandomSource, so that a scripted source reproduces a problem.
//
// A coefficient is of one of four kinds: r, a constant in −9…9 other than 0;
// s, a coefficient of x in −9…9 other than 0 and 1; the fixed 1 (no draw); and
// the unit fraction 1/s. Nothing makes the solution whole: it may be a
// fraction. x never cancels, so every problem has one solution (or, for an
// inequality, one boundary value).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "algebra/CheckedDraws.h"
#include "algebra/RandomPickers.h"
#include "algebra/RandomSource.h"
#include "linear_problems/LinearProblemRecord.h"

namespace duolinear {

// The range and the exclusions of a plain coefficient draw, shared by the
// problem generators.
inline constexpr ClosedIntRange defaultCoefficientRange{-9, 9};
inline const std::vector<std::int64_t> defaultExcludedCoefficients{0};

// One of four variants by one uniform draw of 0 to 3; a draw outside it
// breaks the draws (CheckedDraws.h) and selects variant 0.
std::size_t drawVariantOfFour(CheckedDraws& draws);

// One problem of one equation: the display line (the spaced form with the
// coefficients put in and relationSymbol, copied verbatim, in place of "?")
// and the inputs [[input list]]. Every level is accepted, negative ones
// included. No value only when the source answers outside a range asked for
// or keeps giving values that a draw rejects (a broken source); a fair source
// always gives a problem.
std::optional<LinearProblemRecord> generateLinearProblem(std::int64_t level, std::string_view relationSymbol,
                                                         RandomSource& source = defaultRandomSource());

}  // namespace duolinear

#pragma once
// Harder practice problems of one linear equation or inequality in x, in the
// same record as generateLinearProblem, by level:
//
//   level 0        brackets, up to two deep       (-3(2x − 5) = 4, 2 + 3(x − (4x − 5)) ≥ -6)
//   level 1        decimals with one or two places, now and then a whole
//                  number                          (3.7x − 0.04 = 21x + 0.9)
//   level 2        fractions in lowest terms, one x term and one constant
//                  on each side                    (( 1/2 )x − 3/4 = ( 5/6 )x + 9/7)
//   other levels   a fraction times a bracket      (-3/4(2x − 5) = 7/2)
//
// Levels 0 and 1 give a display line without attributes; levels 2 and up set
// their fractions in diagonalFractionFont() (DiagonalFractionLine.h). Every
// draw goes through the RandomSource, in the order the source file gives, so
// that a scripted source reproduces a problem.
//
// The input lists follow LinearProblemRecord.h and are not reduced (a
// decimal 0.04 stays "4", "100"). The spaced forms of levels 0, 2 and up are
// forms of linearFormDatabase; those of level 1 end in " !" and are not, so a
// model made from them gives the "database issue" solution. Level 2 and the
// other levels do not keep the two sides' x coefficients apart: a problem may
// have no solution or every x as a solution.

#include <cstdint>
#include <optional>
#include <string_view>

#include "algebra/RandomSource.h"
#include "linear_problems/LinearProblemRecord.h"

namespace duolinear {

// One problem of one equation for the level (every value accepted, negative
// ones included), with relationSymbol copied verbatim between single blanks
// in place of "?". No value only when the source answers outside a range
// asked for or keeps giving values that a draw rejects (a broken source); a
// fair source always gives a problem.
std::optional<LinearProblemRecord> generateLinearProblemXL(std::int64_t level, std::string_view relationSymbol,
                                                           RandomSource& source = defaultRandomSource());

// The numerator of a decimal coefficient: (10·t + u)·s with t drawn from 0…4,
// u from 1…9 and s a uniform element of [-1, 1, 1, 1], in that order. Its
// magnitude is 1 to 49 and never a multiple of 10; it is negative with
// probability 1/4. No value when the source answers outside a range.
std::optional<std::int64_t> randomDecimalNumerator(RandomSource& source = defaultRandomSource());

}  // namespace duolinear

#pragma once
// Random integer pickers of the problem generators: uniform draws from closed
// ranges, drawn again while a draw is excluded. When no draw can ever be
// accepted (every value of a range excluded, no acceptable pair) they give no
// value instead of drawing for ever. So they do when a broken source keeps
// giving rejected values, after as many draws as a fair source would all
// fail with odds below e^−64 (about 70 for a range of −9…9 without 0; never
// more than about a million), and at once when it answers outside the range
// asked for (CheckedDraws.h).

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "algebra/RandomSource.h"

namespace duolinear {

// The closed range [low, high]; empty when low > high.
struct ClosedIntRange {
    std::int64_t low = 0;
    std::int64_t high = 0;
};

struct IntPair {
    std::int64_t first = 0;
    std::int64_t second = 0;
    friend bool operator==(const IntPair&, const IntPair&) = default;
};

struct IntTextPair {
    std::string first;
    std::string second;
    friend bool operator==(const IntTextPair&, const IntTextPair&) = default;
};

// A uniform draw from range that is not in excluded.
std::optional<std::int64_t> randomIntNotIn(ClosedIntRange range, const std::vector<std::int64_t>& excluded,
                                           RandomSource& source = defaultRandomSource());
// The same as decimal text ("-7", "4").
std::optional<std::string> randomIntText(ClosedIntRange range, const std::vector<std::int64_t>& excluded,
                                         RandomSource& source = defaultRandomSource());

// a from firstRange, then b from secondRange, both drawn again together while
// a is in firstExcluded, b in secondExcluded, (coprime and gcd(a, b) != 1 with
// both non-zero) or (distinct and a = b). A pair with a zero passes the
// coprime test. Returned as decimal texts, a first.
std::optional<IntTextPair> randomIntPair(ClosedIntRange firstRange, const std::vector<std::int64_t>& firstExcluded,
                                         ClosedIntRange secondRange, const std::vector<std::int64_t>& secondExcluded,
                                         bool coprime, bool distinct = true,
                                         RandomSource& source = defaultRandomSource());

// As randomIntPair, returning the integers, except that the coprime test
// rejects every pair with gcd(a, b) != 1, zeros included: (0, 5) is rejected,
// (0, 1) accepted.
std::optional<IntPair> randomIntPairValues(ClosedIntRange firstRange, const std::vector<std::int64_t>& firstExcluded,
                                           ClosedIntRange secondRange, const std::vector<std::int64_t>& secondExcluded,
                                           bool coprime, bool distinct = true,
                                           RandomSource& source = defaultRandomSource());

}  // namespace duolinear

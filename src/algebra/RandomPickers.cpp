#include "algebra/RandomPickers.h"

#include <algorithm>

#include "algebra/Checked.h"
#include "algebra/IntegerFunctions.h"

namespace duolinear {

namespace {

// Ranges with at most this many allowed values are searched exhaustively for
// an acceptable pair before drawing.
constexpr std::size_t kExhaustiveLimit = 512;
// A pair search that cannot be decided beforehand (large ranges with odd
// exclusions) gives up after this many draws.
constexpr std::uint64_t kMaxPairDraws = std::uint64_t{1} << 20;
// A single draw gives up after this many excluded values: a fair source
// practically never needs more, and a broken one cannot hang the caller.
constexpr std::uint64_t kMaxSingleDraws = std::uint64_t{1} << 20;

std::vector<std::int64_t> sortedUnique(std::vector<std::int64_t> values) {
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    return values;
}

bool contains(const std::vector<std::int64_t>& sorted, std::int64_t value) {
    return std::binary_search(sorted.begin(), sorted.end(), value);
}

// Whether some value of the range is not excluded.
bool hasAllowedValue(ClosedIntRange range, const std::vector<std::int64_t>& sortedExcluded) {
    if (range.low > range.high) return false;
    // high - low in unsigned arithmetic is exact; the range holds one more value.
    const std::uint64_t span = static_cast<std::uint64_t>(range.high) - static_cast<std::uint64_t>(range.low);
    const auto inRange = std::count_if(sortedExcluded.begin(), sortedExcluded.end(),
                                       [&](std::int64_t v) { return v >= range.low && v <= range.high; });
    return span >= static_cast<std::uint64_t>(inRange);
}

// The allowed values of the range in ascending order, at most limit + 1 of
// them (one more than the limit tells that the list is cut short).
std::vector<std::int64_t> allowedValues(ClosedIntRange range, const std::vector<std::int64_t>& sortedExcluded,
                                        std::size_t limit) {
    std::vector<std::int64_t> values;
    if (range.low > range.high) return values;
    for (std::int64_t v = range.low; values.size() <= limit; ++v) {
        if (!contains(sortedExcluded, v)) values.push_back(v);
        if (v == range.high) break;
    }
    return values;
}

struct PairRules {
    std::vector<std::int64_t> firstExcluded;
    std::vector<std::int64_t> secondExcluded;
    bool coprime = false;
    bool distinct = false;
    bool zeroPassesCoprime = false;

    bool accepts(std::int64_t a, std::int64_t b) const {
        if (contains(firstExcluded, a) || contains(secondExcluded, b)) return false;
        if (distinct && a == b) return false;
        if (coprime && gcdOfMagnitudes(magnitude(a), magnitude(b)) != 1) {
            return zeroPassesCoprime && (a == 0 || b == 0);
        }
        return true;
    }
};

enum class Existence { none, some, unknown };

Existence acceptablePairExists(ClosedIntRange first, ClosedIntRange second, const PairRules& rules) {
    const std::vector<std::int64_t> as = allowedValues(first, rules.firstExcluded, kExhaustiveLimit);
    const std::vector<std::int64_t> bs = allowedValues(second, rules.secondExcluded, kExhaustiveLimit);
    for (std::int64_t a : as) {
        for (std::int64_t b : bs) {
            if (rules.accepts(a, b)) return Existence::some;
        }
    }
    const bool complete = as.size() <= kExhaustiveLimit && bs.size() <= kExhaustiveLimit;
    return complete ? Existence::none : Existence::unknown;
}

std::optional<IntPair> drawPair(ClosedIntRange first, ClosedIntRange second, const PairRules& rules,
                                RandomSource& source) {
    if (acceptablePairExists(first, second, rules) == Existence::none) return std::nullopt;
    for (std::uint64_t draw = 0; draw < kMaxPairDraws; ++draw) {
        const std::int64_t a = source.uniformInt(first.low, first.high);
        const std::int64_t b = source.uniformInt(second.low, second.high);
        if (rules.accepts(a, b)) return IntPair{a, b};
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::int64_t> randomIntNotIn(ClosedIntRange range, const std::vector<std::int64_t>& excluded,
                                           RandomSource& source) {
    const std::vector<std::int64_t> sortedExcluded = sortedUnique(excluded);
    if (!hasAllowedValue(range, sortedExcluded)) return std::nullopt;
    for (std::uint64_t draw = 0; draw < kMaxSingleDraws; ++draw) {
        const std::int64_t value = source.uniformInt(range.low, range.high);
        if (!contains(sortedExcluded, value)) return value;
    }
    return std::nullopt;
}

std::optional<std::string> randomIntText(ClosedIntRange range, const std::vector<std::int64_t>& excluded,
                                         RandomSource& source) {
    const std::optional<std::int64_t> value = randomIntNotIn(range, excluded, source);
    if (!value) return std::nullopt;
    return std::to_string(*value);
}

std::optional<IntTextPair> randomIntPair(ClosedIntRange firstRange, const std::vector<std::int64_t>& firstExcluded,
                                         ClosedIntRange secondRange, const std::vector<std::int64_t>& secondExcluded,
                                         bool coprime, bool distinct, RandomSource& source) {
    const PairRules rules{sortedUnique(firstExcluded), sortedUnique(secondExcluded), coprime, distinct, true};
    const std::optional<IntPair> pair = drawPair(firstRange, secondRange, rules, source);
    if (!pair) return std::nullopt;
    return IntTextPair{std::to_string(pair->first), std::to_string(pair->second)};
}

std::optional<IntPair> randomIntPairValues(ClosedIntRange firstRange, const std::vector<std::int64_t>& firstExcluded,
                                           ClosedIntRange secondRange, const std::vector<std::int64_t>& secondExcluded,
                                           bool coprime, bool distinct, RandomSource& source) {
    const PairRules rules{sortedUnique(firstExcluded), sortedUnique(secondExcluded), coprime, distinct, false};
    return drawPair(firstRange, secondRange, rules, source);
}

}  // namespace duolinear

#include "algebra/RandomPickers.h"

#include <algorithm>
#include <cmath>

#include "algebra/Checked.h"
#include "algebra/CheckedDraws.h"
#include "algebra/IntegerFunctions.h"

namespace duolinear {

namespace {

// Ranges with at most this many allowed values are searched exhaustively for
// an acceptable pair before drawing.
constexpr std::size_t kExhaustiveLimit = 512;
// A draw that a fair source passes with probability p fails n times running
// with probability (1 − p)^n < e^(−p·n). Draws give up once p·n reaches this:
// a fair source practically never gets there (odds below e^−64), and a broken
// one that keeps giving rejected values cannot hang the caller.
constexpr long double kFairFailureExponent = 64;
// However small p, no draw makes more attempts than this.
constexpr std::uint64_t kMaxDraws = std::uint64_t{1} << 20;

// The attempts of a draw whose attempts pass with probability p (above 0).
std::uint64_t attemptsFor(long double p) {
    const long double needed = std::ceil(kFairFailureExponent / p);
    return needed < static_cast<long double>(kMaxDraws) ? static_cast<std::uint64_t>(needed) : kMaxDraws;
}

std::vector<std::int64_t> sortedUnique(std::vector<std::int64_t> values) {
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    return values;
}

bool contains(const std::vector<std::int64_t>& sorted, std::int64_t value) {
    return std::binary_search(sorted.begin(), sorted.end(), value);
}

// The values of a range (2^64 for the whole of int64, 0 when empty).
long double rangeSize(ClosedIntRange range) {
    if (range.low > range.high) return 0;
    // high - low in unsigned arithmetic is exact; the range holds one more value.
    return static_cast<long double>(static_cast<std::uint64_t>(range.high) - static_cast<std::uint64_t>(range.low)) + 1;
}

// The share of the range's values that are not excluded; 0 when none is.
long double allowedShare(ClosedIntRange range, const std::vector<std::int64_t>& sortedExcluded) {
    if (range.low > range.high) return 0;
    const std::uint64_t span = static_cast<std::uint64_t>(range.high) - static_cast<std::uint64_t>(range.low);
    const auto inRange = std::count_if(sortedExcluded.begin(), sortedExcluded.end(),
                                       [&](std::int64_t v) { return v >= range.low && v <= range.high; });
    if (span < static_cast<std::uint64_t>(inRange)) return 0;
    return (rangeSize(range) - static_cast<long double>(inRange)) / rangeSize(range);
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

// The share of the draws of the two ranges that make an acceptable pair,
// when the allowed values of both are few enough to count them; none when
// they are not.
std::optional<long double> acceptedPairShare(ClosedIntRange first, ClosedIntRange second, const PairRules& rules) {
    const std::vector<std::int64_t> as = allowedValues(first, rules.firstExcluded, kExhaustiveLimit);
    const std::vector<std::int64_t> bs = allowedValues(second, rules.secondExcluded, kExhaustiveLimit);
    if (as.size() > kExhaustiveLimit || bs.size() > kExhaustiveLimit) return std::nullopt;
    std::size_t accepted = 0;
    for (std::int64_t a : as) {
        for (std::int64_t b : bs) accepted += rules.accepts(a, b) ? 1 : 0;
    }
    if (accepted == 0) return 0.0L;
    return static_cast<long double>(accepted) / (rangeSize(first) * rangeSize(second));
}

std::optional<IntPair> drawPair(ClosedIntRange first, ClosedIntRange second, const PairRules& rules,
                                RandomSource& source) {
    const std::optional<long double> share = acceptedPairShare(first, second, rules);
    if (share && *share == 0) return std::nullopt;
    const std::uint64_t attempts = share ? attemptsFor(*share) : kMaxDraws;
    CheckedDraws draws(source);
    for (std::uint64_t draw = 0; draw < attempts; ++draw) {
        const std::int64_t a = draws.range(first.low, first.high);
        const std::int64_t b = draws.range(second.low, second.high);
        if (draws.broken()) break;
        if (rules.accepts(a, b)) return IntPair{a, b};
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::int64_t> randomIntNotIn(ClosedIntRange range, const std::vector<std::int64_t>& excluded,
                                           RandomSource& source) {
    const std::vector<std::int64_t> sortedExcluded = sortedUnique(excluded);
    const long double share = allowedShare(range, sortedExcluded);
    if (share == 0) return std::nullopt;
    const std::uint64_t attempts = attemptsFor(share);
    CheckedDraws draws(source);
    for (std::uint64_t draw = 0; draw < attempts; ++draw) {
        const std::int64_t value = draws.range(range.low, range.high);
        if (draws.broken()) break;
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

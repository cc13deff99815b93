#include "solver/PracticeProblem.h"

#include <utility>

#include "algebra/Checked.h"
#include "algebra/CheckedDraws.h"
#include "algebra/IntegerFunctions.h"

namespace duolinear {

namespace {

// The draws of one problem, checked against their ranges (a broken draw
// stands in as the range's low end, so every number the recipes compute stays
// small, and makes the whole problem fail), with the recipes' two signs.
class Draws : public CheckedDraws {
public:
    using CheckedDraws::CheckedDraws;

    // -1 with probability 1/12, else +1.
    std::int64_t sign12() { return range(-1, 10) < 0 ? -1 : 1; }
    // -1 or +1, each with probability one half.
    std::int64_t coin() { return truth() ? 1 : -1; }
};

// Each draw is its own statement: the order of the draws is part of the recipe.
std::int64_t signedSize(Draws& d, std::int64_t high) {
    const std::int64_t size = d.range(1, high);
    return size * d.sign12();
}

std::int64_t coinSize(Draws& d, std::int64_t high) {
    const std::int64_t size = d.range(1, high);
    return size * d.coin();
}

bool isSingular(std::int64_t a1, std::int64_t b1, std::int64_t a2, std::int64_t b2) {
    return a1 * b2 == a2 * b1;
}

// Neither divides the other; a zero never passes.
bool neitherDivides(std::int64_t p, std::int64_t q) {
    const std::uint64_t m = magnitude(p);
    const std::uint64_t n = magnitude(q);
    return m != 0 && n != 0 && m % n != 0 && n % m != 0;
}

bool isOne(std::optional<std::int64_t> value) {
    return value && *value == 1;
}

// The constants of the solution (x, y).
PracticeCoefficients withSolution(std::int64_t a1, std::int64_t b1, std::int64_t a2, std::int64_t b2, std::int64_t x,
                                  std::int64_t y) {
    return PracticeCoefficients{a1, b1, a1 * x + b1 * y, a2, b2, a2 * x + b2 * y};
}

// Non-singular, and no equation with a common factor of a and c.
bool isAcceptedAtLowLevel(const PracticeCoefficients& k) {
    return !isSingular(k.a1, k.b1, k.a2, k.b2) && isOne(gcd(k.a1, k.c1)) && isOne(gcd(k.a2, k.c2));
}

// Level 0: equal sizes in each pair, each second coefficient a sign flip of the first.
std::optional<PracticeCoefficients> sameSizes(Draws& d) {
    for (int attempt = 0; attempt < kPracticeMaxAttempts && !d.broken(); ++attempt) {
        const std::int64_t a1 = signedSize(d, 5);
        const std::int64_t a2 = a1 * d.sign12();
        const std::int64_t b1 = coinSize(d, 5);
        const std::int64_t b2 = b1 * d.coin();
        const std::int64_t x = d.range(-5, 5);
        const std::int64_t y = d.range(-5, 5);
        const PracticeCoefficients k = withSolution(a1, b1, a2, b2, x, y);
        if (isAcceptedAtLowLevel(k)) return k;
    }
    return std::nullopt;
}

// Level 1: in each pair one coefficient is 2 to 5 times the other, either first.
std::optional<PracticeCoefficients> multiples(Draws& d) {
    for (int attempt = 0; attempt < kPracticeMaxAttempts && !d.broken(); ++attempt) {
        std::int64_t a1 = signedSize(d, 5);
        std::int64_t a2 = a1 * d.sign12();
        a2 *= d.range(2, 5);
        if (d.truth()) std::swap(a1, a2);
        std::int64_t b1 = coinSize(d, 5);
        std::int64_t b2 = b1 * d.coin();
        b2 *= d.range(2, 5);
        if (d.truth()) std::swap(b1, b2);
        const std::int64_t x = d.range(-5, 5);
        const std::int64_t y = d.range(-5, 5);
        const PracticeCoefficients k = withSolution(a1, b1, a2, b2, x, y);
        if (isAcceptedAtLowLevel(k)) return k;
    }
    return std::nullopt;
}

struct Pair {
    std::int64_t first = 0;
    std::int64_t second = 0;
};

std::optional<Pair> signedNonDividingPair(Draws& d, std::int64_t high) {
    for (int attempt = 0; attempt < kPracticeMaxAttempts && !d.broken(); ++attempt) {
        const std::int64_t first = signedSize(d, high);
        const std::int64_t second = signedSize(d, high);
        if (neitherDivides(first, second)) return Pair{first, second};
    }
    return std::nullopt;
}

// Level 2: sizes up to 10, no divisibility, constants from (x, y). Neither
// determinant nor common factors are tested: a dependent system can come out.
std::optional<PracticeCoefficients> largerSizes(Draws& d, std::int64_t x, std::int64_t y) {
    const std::optional<Pair> a = signedNonDividingPair(d, 10);
    if (!a) return std::nullopt;
    for (int attempt = 0; attempt < kPracticeMaxAttempts && !d.broken(); ++attempt) {
        const std::int64_t b1 = coinSize(d, 10);
        const std::int64_t b2 = coinSize(d, 10);
        if (neitherDivides(b1, b2)) return withSolution(a->first, b1, a->second, b2, x, y);
    }
    return std::nullopt;
}

// Level 3: sizes up to 12 and free constants, drawn anew with every attempt
// on the y coefficients. The solution is in general a pair of fractions.
std::optional<PracticeCoefficients> freeConstants(Draws& d) {
    const std::optional<Pair> a = signedNonDividingPair(d, 12);
    if (!a) return std::nullopt;
    for (int attempt = 0; attempt < kPracticeMaxAttempts && !d.broken(); ++attempt) {
        const std::int64_t b1 = coinSize(d, 12);
        const std::int64_t b2 = coinSize(d, 12);
        const std::int64_t c1 = coinSize(d, 12);
        const std::int64_t c2 = coinSize(d, 12);
        if (neitherDivides(b1, b2)) return PracticeCoefficients{a->first, b1, c1, a->second, b2, c2};
    }
    return std::nullopt;
}

// Substitution, level 0: a unit coefficient in each equation, on different
// variables (first x and second y, or, on a flip, second x and first y).
std::optional<PracticeCoefficients> unitCoefficients(Draws& d, std::int64_t x, std::int64_t y) {
    const bool flip = d.truth();
    std::int64_t a1 = d.sign12();
    std::int64_t a2 = signedSize(d, 7);
    if (flip) std::swap(a1, a2);
    std::int64_t b1 = d.coin();
    std::int64_t b2 = 0;
    // Only an attempt whose drawn size was 1 is rejected, so after a rejected
    // exchange b1 holds a unit again and the next exchange keeps the unit y
    // coefficient in the second equation.
    for (int attempt = 0; attempt < kPracticeMaxAttempts && !d.broken(); ++attempt) {
        b2 = coinSize(d, 7);
        if (!flip) std::swap(b1, b2);
        if (!isSingular(a1, b1, a2, b2)) return withSolution(a1, b1, a2, b2, x, y);
    }
    return std::nullopt;
}

}  // namespace

std::optional<PracticeCoefficients> practiceCoefficients(std::int64_t level, Duolinear_method method,
                                                         RandomSource& source) {
    Draws d(source);
    // Drawn first whatever the recipe; levels 2 and the unit recipe use them.
    const std::int64_t x = d.range(-5, 5);
    const std::int64_t y = d.range(-5, 5);

    std::optional<PracticeCoefficients> result;
    const bool substitution = method == Duolinear_method::substitution;
    if (substitution && level == 0) {
        result = unitCoefficients(d, x, y);
    } else {
        // Substitution is one level behind; a negative level lands on level 3.
        const std::int64_t effective = level < 0 ? -1 : (substitution ? level - 1 : level);
        switch (effective) {
            case 0:
                result = sameSizes(d);
                break;
            case 1:
                result = multiples(d);
                break;
            case 2:
                result = largerSizes(d, x, y);
                break;
            default:
                result = freeConstants(d);
                break;
        }
    }
    if (d.broken()) return std::nullopt;
    return result;
}

std::optional<PracticeProblem> generatePracticeProblem(std::int64_t level, Duolinear_method method,
                                                       RandomSource& source) {
    const std::optional<PracticeCoefficients> k = practiceCoefficients(level, method, source);
    if (!k) return std::nullopt;
    return practiceProblemRecord(*k);
}

}  // namespace duolinear

#pragma once
// The search for a rational root s/p (p > 0, in lowest terms) of a
// polynomial with whole coefficients: p divides the leading coefficient and
// |s| the constant one. Each candidate is tried exactly, by synthetic
// division; a candidate whose trial does not fit 64 bits is passed over.
//
// When the two coefficients have few divisors every pair is tried. Otherwise
// (a 64-bit coefficient may have some hundred thousand divisors) the real
// roots of the polynomial and of its derivatives (where a multiple root
// lies) are estimated in floating point, and only the fractions with such
// a denominator and numerator within a window around an estimate, as wide as
// the rounding error of the estimate allows, are tried (the narrowest
// windows first); the windows and the number of steps are bounded, so the search
// ends quickly whatever the coefficients. A window that would be too wide to
// try, or work beyond the bound, leaves the search undecided.

#include <cstdint>
#include <optional>
#include <vector>

namespace duolinear {

// Every pair of divisors is tried when there are at most this many pairs.
inline constexpr std::uint64_t kMaxDivisorPairs = 1u << 12;
// The highest degree whose roots are estimated.
inline constexpr std::uint64_t kMaxEstimatedDegree = 64;
// The most candidates looked at (tried or ruled out) in one estimated search.
inline constexpr std::uint64_t kMaxCandidateSteps = 1u << 22;

struct RationalRoot {
    std::int64_t p = 1;
    std::int64_t s = 0;
};

struct RootSearch {
    std::optional<RationalRoot> root;  // the first root found, in the order below
    bool undecided = false;            // some candidate could not be tried
    std::uint64_t trials = 0;          // candidates tried exactly
};

// Whether s/p (p > 0, gcd(p, s) = 1) is a root of the polynomial whose
// coefficients are digits, highest power first; none when the trial does
// not fit 64 bits.
std::optional<bool> isRationalRoot(const std::vector<std::int64_t>& digits, std::int64_t p, std::int64_t s);

// The root with the smaller p first, then the smaller |s|, −|s| before |s|.
// The digits are the coefficients by power, highest first; the first must be
// positive and the last not 0. With more than pairLimit pairs of divisors
// the roots are estimated (the roots found are the same; a search beyond
// kMaxEstimatedDegree, or whose windows and steps exceed their bounds, ends
// undecided).
RootSearch firstRationalRoot(const std::vector<std::int64_t>& digits, std::uint64_t pairLimit = kMaxDivisorPairs);

}  // namespace duolinear

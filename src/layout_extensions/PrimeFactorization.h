#pragma once
// Prime factorisations of whole numbers and their drawable records: the list
// of (prime, exponent) pairs, the same with counts of the exponents measured
// against a number k, the rows of a factor tree (the rows primeTreeLayout
// writes into a prime-tree item) and the layout of the product of prime
// powers, 2³∙3∙5 for 120, drawn with "^" exponents and "∙" joins.
//
// Every input outside an operation's contract gives an empty result (no
// value, an empty list or an empty layout), never a crash or an endless
// loop. Every layout item built here has the tag "anon".

#include <cstdint>
#include <optional>
#include <vector>

#include "layout/TagLayout.h"
#include "layout_extensions/PlugInRecords.h"

namespace duolinear {

struct PrimeFactor {
    std::int64_t prime = 0;
    std::int64_t exponent = 0;
    friend bool operator==(const PrimeFactor&, const PrimeFactor&) = default;
};

struct ColoredPrimeFactor {
    std::int64_t prime = 0;
    std::int64_t exponent = 0;
    Color color = Color::black;
};

struct PrimeFactorCounts {
    std::vector<PrimeFactor> factors;
    std::int64_t distinct = 0;      // primes in the list
    std::int64_t atLeastK = 0;      // primes whose exponent is at least k
    std::int64_t divisibleByK = 0;  // primes whose exponent is divisible by k
    friend bool operator==(const PrimeFactorCounts&, const PrimeFactorCounts&) = default;
};

// The primes of n in increasing order, each with its exponent (at least 1).
// No value for n <= 1. Fast for every 64-bit n, large primes included.
std::optional<std::vector<PrimeFactor>> primeFactorization(std::int64_t n);

// The factorisation of n with its counts; no value for n <= 1 or k = 0.
std::optional<PrimeFactorCounts> primeFactorizationCounts(std::int64_t n, std::int64_t k);

// The rows of the factor tree of n, top-down: first (1 in clear, n in black),
// then for each prime p of the list, once per unit of its exponent, (p, the
// quotient left after dividing it out); the last row, whose quotient would be
// 1, is folded away, its prime's colour going to the quotient above it. With
// alternate the primes are red, blue, red, ... (one colour per list entry),
// otherwise black; the other quotients are black.
// The list must be the factorisation of n: primes of at least 2, exponents
// of at least 0, whose powers multiply to n (so at least one exponent is
// positive); any other list gives no rows.
std::vector<PrimeTreeRow> primeTreePairs(std::int64_t n, const std::vector<PrimeFactor>& factors, bool alternate);

// The product of the prime powers, left-nested "∙" joins in black: a power
// with exponent 1 is the integer p, any other a "^" join of p and the
// exponent, the integers and the join in the factor's colour. An empty list
// gives an empty layout.
TagLayout coloredFactorsLayout(const std::vector<ColoredPrimeFactor>& factors);
// Every number in one colour.
TagLayout factorizationLayout(const std::vector<PrimeFactor>& factors, Color color);
// The prime powers coloured first, second, first, ...
TagLayout alternatingFactorizationLayout(const std::vector<PrimeFactor>& factors, Color first, Color second);

}  // namespace duolinear

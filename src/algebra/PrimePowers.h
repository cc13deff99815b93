#pragma once
// Factorisation of unsigned 64-bit numbers into prime powers, fast for every
// input (trial division by small primes, then Miller–Rabin and Pollard's rho).
// The integer functions build divisors and square-root forms on it.

#include <cstdint>
#include <vector>

namespace duolinear::detail {

struct PrimePower {
    std::uint64_t prime = 0;
    unsigned exponent = 0;
};

// The prime powers of n with the primes ascending; empty for n < 2.
std::vector<PrimePower> primePowers(std::uint64_t n);

// Whether n is prime (deterministic for every 64-bit n).
bool isPrime(std::uint64_t n);

}  // namespace duolinear::detail

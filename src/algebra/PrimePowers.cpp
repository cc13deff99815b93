#include "algebra/PrimePowers.h"

#include <algorithm>
#include <numeric>

namespace duolinear::detail {

namespace {

using u64 = std::uint64_t;
using u128 = unsigned __int128;

u64 mulMod(u64 a, u64 b, u64 m) {
    return static_cast<u64>(static_cast<u128>(a) * b % m);
}

u64 powMod(u64 base, u64 exponent, u64 m) {
    u64 result = 1 % m;
    base %= m;
    while (exponent > 0) {
        if (exponent & 1) result = mulMod(result, base, m);
        base = mulMod(base, base, m);
        exponent >>= 1;
    }
    return result;
}

constexpr u64 kSmallPrimes[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37};

// Pollard's rho with Brent's cycle detection; n is odd, composite and has no
// prime factor below 41. The sequences are fixed (no randomness), trying the
// next increment whenever one fails.
u64 nontrivialFactor(u64 n) {
    for (u64 c = 1;; ++c) {
        auto step = [&](u64 v) { return (mulMod(v, v, n) + c) % n; };
        u64 y = 2, x = 2, saved = 2, g = 1, product = 1;
        const u64 batch = 128;
        for (u64 length = 1; g == 1; length *= 2) {
            x = y;
            for (u64 i = 0; i < length; ++i) y = step(y);
            for (u64 done = 0; done < length && g == 1; done += batch) {
                saved = y;
                for (u64 i = 0; i < std::min(batch, length - done); ++i) {
                    y = step(y);
                    product = mulMod(product, x > y ? x - y : y - x, n);
                }
                g = std::gcd(product, n);
            }
        }
        if (g == n) {
            // The batch overshot: walk it again one step at a time.
            do {
                saved = step(saved);
                g = std::gcd(x > saved ? x - saved : saved - x, n);
            } while (g == 1);
        }
        if (g != n) return g;
    }
}

void collectPrimes(u64 n, std::vector<u64>& primes) {
    if (n == 1) return;
    if (isPrime(n)) {
        primes.push_back(n);
        return;
    }
    const u64 factor = nontrivialFactor(n);
    collectPrimes(factor, primes);
    collectPrimes(n / factor, primes);
}

}  // namespace

bool isPrime(u64 n) {
    if (n < 2) return false;
    for (u64 p : kSmallPrimes) {
        if (n % p == 0) return n == p;
    }
    u64 d = n - 1;
    unsigned s = 0;
    while ((d & 1) == 0) {
        d >>= 1;
        ++s;
    }
    for (u64 a : kSmallPrimes) {
        u64 x = powMod(a, d, n);
        if (x == 1 || x == n - 1) continue;
        bool composite = true;
        for (unsigned r = 1; r < s && composite; ++r) {
            x = mulMod(x, x, n);
            if (x == n - 1) composite = false;
        }
        if (composite) return false;
    }
    return true;
}

std::vector<PrimePower> primePowers(u64 n) {
    std::vector<u64> primes;
    for (u64 p = 2; p < 41 && n > 1; ++p) {
        while (n % p == 0) {
            primes.push_back(p);
            n /= p;
        }
    }
    collectPrimes(n, primes);
    std::sort(primes.begin(), primes.end());

    std::vector<PrimePower> powers;
    for (u64 p : primes) {
        if (!powers.empty() && powers.back().prime == p) {
            ++powers.back().exponent;
        } else {
            powers.push_back({p, 1});
        }
    }
    return powers;
}

}  // namespace duolinear::detail

#pragma once
// The outcome of one rewrite of a side or an equation with bracketed groups:
// nothing to do, the rewritten value, or a failure. A failure means that the
// 64-bit arithmetic gave out on the way (a product, sum, gcd or lcm out of
// range) or that the side is malformed (a bracket naming no earlier group);
// it carries no value, and the step engine answers it with its refusal.
//
// "Nothing to do" and "failed" both leave value empty, so a caller that only
// reads value can never mistake a failure for a result.

#include <optional>
#include <utility>

namespace duolinear {

template <typename T>
struct Rewrite {
    std::optional<T> value;  // the rewritten value; none when nothing applied or on failure
    bool failed = false;

    static Rewrite nothing() { return Rewrite{}; }
    static Rewrite failure() { return Rewrite{std::nullopt, true}; }
    static Rewrite of(T result) { return Rewrite{std::move(result), false}; }

    bool applies() const { return value.has_value(); }
};

}  // namespace duolinear

#pragma once
// Draws from a RandomSource, each checked against the range it asks for. A
// source promises values inside the range, but a scripted, broken or hostile
// one may answer anything; such a value must never reach the arithmetic of a
// generator (a coefficient of −9223372036854775808, a digit of 55). Every
// generator takes its draws through here: a value outside its range marks the
// draws as broken and stands in as the range's low end, so that whatever is
// computed from it stays within the ranges asked for, and the generator gives
// no problem once it sees broken(). Values inside the range pass unchanged,
// one request of the source per draw, so a scripted source still reproduces
// a problem.

#include <cstddef>
#include <cstdint>

#include "algebra/RandomSource.h"

namespace duolinear {

class CheckedDraws {
public:
    explicit CheckedDraws(RandomSource& source) : source_(source) {}

    // A value of the closed range [low, high] (bounds given the other way
    // round are read as [high, low]).
    std::int64_t range(std::int64_t low, std::int64_t high);
    // A value of [0, count); 0 when count is 0.
    std::size_t index(std::size_t count);
    // true or false.
    bool truth() { return source_.fairBool(); }

    // Whether some draw lay outside its range; it stays set.
    bool broken() const { return broken_; }

private:
    RandomSource& source_;
    bool broken_ = false;
};

}  // namespace duolinear

#pragma once
// The one source of randomness of the program. Everything that draws (the
// random integer pickers, the collecting advice, the problem generators) asks
// a RandomSource; production code uses the process-wide default, which is
// seeded from the system, and tests install a scripted source in its place.

#include <cstddef>
#include <cstdint>
#include <random>

namespace duolinear {

class RandomSource {
public:
    virtual ~RandomSource() = default;

    // A uniform integer of the closed range [low, high]; callers pass low <= high
    // (bounds given the other way round are read as [high, low]).
    virtual std::int64_t uniformInt(std::int64_t low, std::int64_t high) = 0;
    // true or false, each with probability one half.
    virtual bool fairBool() = 0;
    // A uniform index into a list of count elements, in [0, count). Callers
    // pass count >= 1; a count of 0 gives 0.
    virtual std::size_t uniformIndex(std::size_t count) = 0;
};

// Mersenne twister seeded from std::random_device, or from a given seed for
// repeatable draws (benchmarks, randomized tests).
class SystemRandomSource final : public RandomSource {
public:
    SystemRandomSource();
    explicit SystemRandomSource(std::uint64_t seed);

    std::int64_t uniformInt(std::int64_t low, std::int64_t high) override;
    bool fairBool() override;
    std::size_t uniformIndex(std::size_t count) override;

private:
    std::mt19937_64 engine_;
};

// The source that the drawing functions use when the caller names none.
RandomSource& defaultRandomSource();

// Installs source as the default (nullptr restores the system source) and
// returns the previous default, so that a caller can put it back. The source
// must outlive its installation. Main thread only, as all of the program.
RandomSource* setDefaultRandomSource(RandomSource* source);

}  // namespace duolinear

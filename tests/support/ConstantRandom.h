#pragma once
// A broken RandomSource for tests: every request gets the same value, however
// often it is asked, and the requests are counted. Code that draws again
// while a draw is rejected must give up on it rather than loop for ever.

#include <cstddef>
#include <cstdint>

#include "algebra/RandomSource.h"

namespace duolinear::testing {

class ConstantRandom final : public RandomSource {
public:
    explicit ConstantRandom(std::int64_t value) : value_(value) {}

    std::int64_t uniformInt(std::int64_t, std::int64_t) override { return count(value_); }
    bool fairBool() override { return count(value_) != 0; }
    std::size_t uniformIndex(std::size_t) override { return static_cast<std::size_t>(count(value_)); }

    std::size_t requestCount() const { return requests_; }

private:
    std::int64_t count(std::int64_t value) {
        ++requests_;
        return value;
    }

    std::int64_t value_;
    std::size_t requests_ = 0;
};

}  // namespace duolinear::testing

#pragma once
// A RandomSource for tests that hands out scripted values in order, one per
// request (uniformInt, fairBool and uniformIndex all take the next value), and
// records every request so that a test can check what was asked for.
//
// A scripted value outside the requested range is a test failure; so is a
// request after the script has run out, which also throws so that the code
// under test cannot keep drawing for ever.

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <stdexcept>
#include <vector>

#include <gtest/gtest.h>

#include "algebra/RandomSource.h"

namespace duolinear::testing {

class ScriptedRandom final : public RandomSource {
public:
    enum class Kind { integer, truth, index };

    struct Request {
        Kind kind = Kind::integer;
        std::int64_t low = 0;   // the requested range; 0 and 1 for a truth value,
        std::int64_t high = 0;  // 0 and count - 1 for an index
        friend bool operator==(const Request&, const Request&) = default;
    };

    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<std::int64_t> values) : script_(values) {}

    void push(std::int64_t value) { script_.push_back(value); }
    void pushTruth(bool value) { script_.push_back(value ? 1 : 0); }

    std::int64_t uniformInt(std::int64_t low, std::int64_t high) override { return next({Kind::integer, low, high}); }
    bool fairBool() override { return next({Kind::truth, 0, 1}) == 1; }
    std::size_t uniformIndex(std::size_t count) override {
        return static_cast<std::size_t>(next({Kind::index, 0, static_cast<std::int64_t>(count) - 1}));
    }

    std::size_t remaining() const { return script_.size(); }
    const std::vector<Request>& requests() const { return requests_; }

private:
    std::int64_t next(const Request& request) {
        requests_.push_back(request);
        if (script_.empty()) {
            ADD_FAILURE() << "scripted random values ran out at request " << requests_.size();
            throw std::logic_error("scripted random values ran out");
        }
        const std::int64_t value = script_.front();
        script_.pop_front();
        EXPECT_TRUE(value >= request.low && value <= request.high)
            << "scripted value " << value << " lies outside [" << request.low << ", " << request.high << "]";
        return value;
    }

    std::deque<std::int64_t> script_;
    std::vector<Request> requests_;
};

// Installs a source as the process-wide default for the life of the guard.
class ScopedDefaultRandom {
public:
    explicit ScopedDefaultRandom(RandomSource& source) : previous_(setDefaultRandomSource(&source)) {}
    ~ScopedDefaultRandom() { setDefaultRandomSource(previous_); }
    ScopedDefaultRandom(const ScopedDefaultRandom&) = delete;
    ScopedDefaultRandom& operator=(const ScopedDefaultRandom&) = delete;

private:
    RandomSource* previous_;
};

}  // namespace duolinear::testing

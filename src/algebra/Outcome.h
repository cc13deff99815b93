#pragma once
// The outcome of one step of work that may have nothing to do: nothing to do,
// a value, or a failure. A failure means the 64-bit arithmetic gave out on the
// way (checked arithmetic gave no value) or the input was malformed; it
// carries no value, and the step engines answer it with their refusal.
//
// "Nothing to do" and "failed" both leave value empty, so a caller that only
// reads value can never mistake a failure for a result.
//
// A step whose result is its effect on the work in hand (a step appended to
// the worked solution, the equation moved on) gives an Outcome<Done>.

#include <optional>
#include <type_traits>
#include <utility>

namespace duolinear {

// The value of a step that was made and has nothing else to hand back.
struct Done {};

template <typename T>
struct Outcome {
    std::optional<T> value;  // the result; none when nothing applied or on failure
    bool failed = false;

    static Outcome nothing() { return Outcome{}; }
    static Outcome failure() { return Outcome{std::nullopt, true}; }
    static Outcome of(T result) { return Outcome{std::move(result), false}; }
    static Outcome done() requires std::is_same_v<T, Done> { return Outcome{Done{}, false}; }

    bool applies() const { return value.has_value(); }
};

}  // namespace duolinear

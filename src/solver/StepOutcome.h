#pragma once
// What the optional producers of a worked solution give back, and the frame
// they make. A producer either makes its result, has nothing to say for the
// system (nothing is appended), or fails because its 64-bit arithmetic would
// overflow; the driver then refuses the whole system in-band.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "layout/TagLayout.h"

namespace duolinear {

// One step of a worked solution: its lines and its comment lines.
struct SolverFrame {
    StepLines lines;
    std::vector<std::string> comments;
};

template <typename T>
struct StepOutcome {
    std::optional<T> result;  // empty: nothing to add (or a failure)
    bool overflow = false;

    static StepOutcome made(T value) { return StepOutcome{std::move(value), false}; }
    static StepOutcome nothing() { return StepOutcome{std::nullopt, false}; }
    static StepOutcome failed() { return StepOutcome{std::nullopt, true}; }
};

}  // namespace duolinear

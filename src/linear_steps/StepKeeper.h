#pragma once
// The steps of one working of a step engine, kept as the caller asks
// (LinearStepChoices::kept). Every step is some leading lines of the
// working's list of lines above (the derivation of the plain engine, the
// lines already worked of the bracketed one), which only ever grows, then the
// step's own lines.
//
// All steps: each is put together as it comes. The first only: once it is
// there, showing() is false and the engine lays nothing more out. The last
// only: just the newest step is held, as a count of lines above and the means
// to make its own lines, and put together when the working is taken, so the
// lines above are copied once rather than into every step and the own lines
// of the steps replaced are never made. The one step kept is the last use of
// the lines above, so they are moved into it rather than copied.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "layout/TagLayout.h"
#include "linear_steps/LinearStepChoices.h"
#include "linear_steps/WorkedSteps.h"

namespace duolinear {

class StepKeeper {
public:
    // Makes the own lines of a step.
    using MakeLines = std::function<StepLines()>;

    explicit StepKeeper(KeptSteps kept = KeptSteps::all) : kept_(kept) {}

    // Whether a step made now is kept, so that its lines are worth laying out.
    bool showing() const { return kept_ != KeptSteps::first || worked_.steps.empty(); }
    // Whether no step has been added yet.
    bool empty() const { return worked_.steps.empty() && !held_; }

    // A step: the first `shown` lines of above, then own. When only the
    // first step is kept, that step takes its lines out of above, which the
    // working no longer reads.
    void add(StepLines& above, std::size_t shown, StepLines own, std::vector<std::string> comments);

    // The same with own lines still to be made. When only the last step is
    // kept, makeLines is held with the step and called only if no later step
    // replaces it, so it has to hold (by value) whatever it reads.
    template <typename Make>
    void addLazily(StepLines& above, std::size_t shown, Make&& makeLines, std::vector<std::string> comments) {
        if (!showing()) return;
        if (kept_ == KeptSteps::last) {
            held_ = HeldStep{shown, MakeLines(std::forward<Make>(makeLines)), std::move(comments)};
            return;
        }
        put(above, shown, makeLines(), std::move(comments));
    }

    // The steps kept, handed over; above is the list the steps were added
    // below, as it stands at the end of the working.
    WorkedSteps take(StepLines above);

private:
    struct HeldStep {
        std::size_t shown = 0;
        MakeLines makeLines;
        std::vector<std::string> comments;
    };

    void put(StepLines& above, std::size_t shown, StepLines own, std::vector<std::string> comments);

    KeptSteps kept_;
    WorkedSteps worked_;
    std::optional<HeldStep> held_;
};

}  // namespace duolinear

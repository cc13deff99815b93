#pragma once
// Where the step view takes a worked solution from: the number of steps, and
// per step its lines and its comment lines. The view asks on every redraw
// and keeps nothing; the step screen answers from the lists it holds.

#include <optional>
#include <string>
#include <vector>

#include "layout/TagLayout.h"

namespace duolinear {

class UniversalEngineViewDataSource {
public:
    virtual ~UniversalEngineViewDataSource() = default;

    // The number of steps; none when there is nothing to show.
    virtual std::optional<int> numberOfDetailSteps() = 0;
    // The lines of step `index`, each one layout.
    virtual StepLines detailStep(int index) = 0;
    // The comment lines of step `index`.
    virtual std::vector<std::string> detailComments(int index) = 0;
    // The parameters of the whole solution; the view never asks for them.
    virtual StepParameters allDetailParameters() = 0;
};

}  // namespace duolinear

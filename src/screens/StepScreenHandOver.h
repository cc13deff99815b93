#pragma once
// What an input screen does when a segue leaves it: for its own segue it
// works out the model's solution and hands it to the step screen.

#include <string>

#include "platform/ui/StoryboardSegue.h"
#include "solver/DuolinearModel.h"

namespace duolinear {

// For a segue whose identifier equals ownSegue: computes the model's worked
// solution and, when the destination is itself a step screen (not a
// container holding one), sets its steps, comments and parameters in that
// order. Any other segue is left alone. Returns whether the solution was
// computed.
bool handOverWorkedSolution(ui::StoryboardSegue& segue, const std::string& ownSegue, const DuolinearModel& model);

}  // namespace duolinear

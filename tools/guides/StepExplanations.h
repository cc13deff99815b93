#pragma once
// Plain words for each kind of step of a worked solution, told apart by the
// step's comment (its caption on the step screen).

#include <string>
#include <vector>

#include "guides/Systems.h"

namespace duolinear::guides {

struct StepExplanation {
    std::string title;
    std::vector<std::string> paragraphs;
};

// What a step with this caption does, for the method and the system at hand.
// A caption the guide does not know gets a general explanation.
StepExplanation explainStep(const std::string& caption, const SystemSpec& system, const Choices& choices);

}  // namespace duolinear::guides

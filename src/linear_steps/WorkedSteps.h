#pragma once
// A worked solution as the step engines hand it back: the steps (each a list
// of lines, each line one layout) and, in parallel, one list of comment lines
// per step. Steps are only ever added through append, which adds a step and
// its comments together, so the two lists always have the same length.

#include <string>
#include <utility>
#include <vector>

#include "layout/TagLayout.h"

namespace duolinear {

struct WorkedSteps {
    StepList steps;
    StepComments comments;

    void append(StepLines lines, std::vector<std::string> commentLines) {
        steps.push_back(std::move(lines));
        comments.push_back(std::move(commentLines));
    }
    void append(StepLines lines, std::string comment) {
        append(std::move(lines), std::vector<std::string>{std::move(comment)});
    }
};

}  // namespace duolinear

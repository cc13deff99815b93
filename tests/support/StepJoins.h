#pragma once
// Whether the steps of a worked solution join up: each step begins with the
// lines of the step before it (or of the opening "🤔" frame) up to that
// step's last equation, read as text. A step that begins otherwise starts
// from an equation that no step showed. The closing "😎" frame and a refusal
// begin anew with the opening equation, and are left out.

#include <algorithm>
#include <string>
#include <vector>

#include "linear_steps/WorkedSteps.h"

namespace duolinear::testing {

// An equation line holds a relation on one line; messages, notes and blank
// lines do not (a message that names a relation spans several lines).
inline bool isEquationText(const std::string& line) {
    if (line.find('\n') != std::string::npos) return false;
    for (const char* relation : {"=", "<", ">", "≤", "≥"}) {
        if (line.find(relation) != std::string::npos) return true;
    }
    return false;
}

// The first step that does not begin where the one before it ended, read as
// "caption: line | line"; empty when every step joins. read(lines) reads the
// lines of one step as text.
template <typename Read>
std::string firstUnjoinedStep(const WorkedSteps& worked, Read read) {
    std::vector<std::string> ended;  // the lines the next step begins with
    for (std::size_t i = 0; i < worked.steps.size() && i < worked.comments.size(); ++i) {
        const std::string caption = worked.comments[i].empty() ? "" : worked.comments[i].front();
        if (caption == "😎" || caption == "oops") continue;
        std::vector<std::string> lines = read(worked.steps[i]);
        if (lines.size() < ended.size() || !std::equal(ended.begin(), ended.end(), lines.begin())) {
            std::string text = caption + ":";
            for (const std::string& line : lines) text += " " + line + " |";
            return text;
        }
        while (!lines.empty() && !isEquationText(lines.back())) lines.pop_back();
        ended = std::move(lines);
    }
    return "";
}

}  // namespace duolinear::testing

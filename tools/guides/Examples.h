#pragma once
// Worked examples and exercises as guide pages. Every step shown is a step of
// the app's own worked solution, drawn by its step renderer.

#include <optional>
#include <string>
#include <vector>

#include "guides/GuideModel.h"
#include "guides/Systems.h"

namespace duolinear::guides {

struct Example {
    std::string name;  // "Example 1"
    SystemSpec system;
    Choices choices;
    std::string introduction;  // on the example's first page
    // The steps to show, by the start of their captions; empty: every step.
    // When no step matches, every step but the opening one is shown.
    std::vector<std::string> captions;
    // Leaves out the opening step (shown elsewhere, on the page that
    // introduces the example).
    bool skipOpening = false;
};

// The example's opening step, for the page that introduces it.
StepBlock openingStep(const Example& example);

// One page per step shown: the step framed as on the step screen, with what
// it does in plain words.
Pages examplePages(const Example& example);

// The first step of the worked solution whose caption starts with `caption`.
std::optional<StepBlock> stepWithCaption(const SystemSpec& system, const Choices& choices, const std::string& caption);

// A page that sets a system to solve by the method, with its graph and, at
// the foot, the answer as the app's last step gives it.
Page exercisePage(int number, const SystemSpec& system, const std::string& methodName);

// Each exercise page an extra of its own, for a chapter to take as many as it
// has room for.
std::vector<Pages> exerciseExtras(const std::vector<SystemSpec>& systems, const std::string& methodName);

}  // namespace duolinear::guides

#include "guides/Examples.h"

#include "guides/PageText.h"
#include "guides/StepExplanations.h"

namespace duolinear::guides {

namespace {

const std::string& captionOf(const WorkedSolution& solution, std::size_t step) {
    static const std::string none;
    if (step >= solution.comments.size() || solution.comments[step].empty()) return none;
    return solution.comments[step].front();
}

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.rfind(prefix, 0) == 0;
}

std::vector<std::size_t> stepsToShow(const Example& example, const WorkedSolution& solution) {
    std::vector<std::size_t> shown;
    for (std::size_t i = example.skipOpening ? 1 : 0; i < solution.steps.size(); ++i) {
        if (example.captions.empty()) {
            shown.push_back(i);
            continue;
        }
        for (const std::string& caption : example.captions) {
            if (startsWith(captionOf(solution, i), caption)) {
                shown.push_back(i);
                break;
            }
        }
    }
    if (shown.empty())
        for (std::size_t i = 1; i < solution.steps.size(); ++i) shown.push_back(i);
    return shown;
}

}  // namespace

Pages examplePages(const Example& example) {
    const WorkedSolution solution = workedSolutionOf(example.system, example.choices);
    const std::string total = std::to_string(solution.steps.size());
    Pages pages;
    for (std::size_t step : stepsToShow(example, solution)) {
        const StepExplanation explanation = explainStep(captionOf(solution, step), example.system, example.choices);
        Page page;
        page.blocks.push_back(note(example.name + " \u00B7 step " + std::to_string(step + 1) + " of " + total));
        page.blocks.push_back(heading(explanation.title));
        if (pages.empty() && !example.introduction.empty()) page.blocks.push_back(para(example.introduction));
        page.blocks.push_back(StepBlock{solution.steps[step], solution.comments[step]});
        for (const std::string& paragraph : explanation.paragraphs) page.blocks.push_back(para(paragraph));
        pages.push_back(std::move(page));
    }
    return pages;
}

StepBlock openingStep(const Example& example) {
    const WorkedSolution solution = workedSolutionOf(example.system, example.choices);
    if (solution.steps.empty()) return {};
    return {solution.steps.front(), solution.comments.front()};
}

std::optional<StepBlock> stepWithCaption(const SystemSpec& system, const Choices& choices, const std::string& caption) {
    const WorkedSolution solution = workedSolutionOf(system, choices);
    for (std::size_t i = 0; i < solution.steps.size(); ++i)
        if (startsWith(captionOf(solution, i), caption)) return StepBlock{solution.steps[i], solution.comments[i]};
    return std::nullopt;
}

Page exercisePage(int number, const SystemSpec& system, const std::string& methodName) {
    Page page;
    page.blocks.push_back(note("Exercise " + std::to_string(number)));
    page.blocks.push_back(heading("Your turn"));
    page.blocks.push_back(para("Solve this system by " + methodName +
                               ", on paper first. Then type it into the app's entry screen and compare your "
                               "working with its steps."));
    page.blocks.push_back(LinesBlock{systemLines(system), 26.0});
    page.blocks.push_back(GraphBlock{{graphOf(system, "the first equation red, the second blue")}, 150.0});
    page.blocks.push_back(note("The answer, as the app's last step gives it:"));
    page.blocks.push_back(LinesBlock{verdictLines(system), 20.0});
    return page;
}

std::vector<Pages> exerciseExtras(const std::vector<SystemSpec>& systems, const std::string& methodName) {
    std::vector<Pages> extras;
    int number = 1;
    for (const SystemSpec& system : systems) extras.push_back({exercisePage(number++, system, methodName)});
    return extras;
}

}  // namespace duolinear::guides

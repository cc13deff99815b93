#include "screens/PracticeScreen.h"

#include "platform/ui/View.h"
#include "platform/ui/Warnings.h"
#include "screens/InputScreenKeypad.h"
#include "screens/OptionChoices.h"
#include "screens/StepScreenHandOver.h"
#include "screens/SystemEntries.h"
#include "solver/PracticeProblem.h"

namespace duolinear {

namespace {

// A problem of the level, or none when the generator gave up.
std::optional<KeypadPracticeProblem> drawProblem(int level, Duolinear_method method) {
    std::optional<PracticeProblem> problem = generatePracticeProblem(level, method);
    if (!problem) {
        ui::warn("no " + rawValue(method) + " practice problem of level " + std::to_string(level) + " could be drawn");
        return std::nullopt;
    }
    std::vector<gfx::AttributedText> examples(problem->examples.begin(), problem->examples.end());
    return KeypadPracticeProblem{std::move(examples), std::move(problem->inputs)};
}

// The first problem; should none come, one empty example row (so that later
// problems have a row to show in) and no inputs, on which "🤔" does nothing.
KeypadPracticeProblem firstProblem(Duolinear_method method) {
    std::optional<KeypadPracticeProblem> problem = drawProblem(0, method);
    if (problem) return std::move(*problem);
    return {{gfx::AttributedText()}, {}};
}

std::shared_ptr<UniversalIntegerPracticePadView> makePracticeKeypad(Duolinear_method method,
                                                                    const KeypadPracticeProblem& problem) {
    PracticeElements elements;
    elements.options = optionGroups(method);
    elements.optionsSelections = storedOptionSelections(method);
    elements.levels = practiceLevelFaces(method);
    elements.examples = problem.examples;
    // No option row asks for a new problem.
    return std::make_shared<UniversalIntegerPracticePadView>(std::vector<std::string>{kInputScreenInfo}, elements,
                                                             OptionRowFlags{}, problem.inputs);
}

}  // namespace

std::vector<std::string> practiceLevelFaces(Duolinear_method method) {
    std::vector<std::string> faces = {"\U0001F600", "\U0001F642", "\U0001F610", "\U0001F641"};
    if (method == Duolinear_method::substitution) faces.push_back("\u2639\uFE0F");
    return faces;
}

DuolinearPracticeScreen::DuolinearPracticeScreen(Duolinear_method method, std::string segue)
    : theSegue_(std::move(segue)),
      method_(method),
      shownProblem_(firstProblem(method)),
      thePadView_(makePracticeKeypad(method, shownProblem_)) {}

DuolinearPracticeScreen::~DuolinearPracticeScreen() {
    thePadView_->setDataSource(nullptr);
    thePadView_->setDelegate(nullptr);
}

void DuolinearPracticeScreen::viewDidLoad() {
    ui::ViewController::viewDidLoad();
    thePadView_->setDataSource(this);
    thePadView_->setDelegate(this);
    pinKeypad(*view(), thePadView_);
}

KeypadPracticeProblem DuolinearPracticeScreen::newPracticeProblem(int level, const SelectedTexts& options,
                                                                  const SelectedTexts& multiLine) {
    if (std::optional<KeypadPracticeProblem> problem = drawProblem(level, method_)) shownProblem_ = std::move(*problem);
    return shownProblem_;
}

void DuolinearPracticeScreen::enterEquationData(const ElementGroups& inputs, const SelectedTexts& options,
                                                const SelectedTexts& multiLine) {
    if (!fillCoefficients(theModel_, inputs)) return;
    applyOptionTexts(theModel_, options, method_);
    storeOptionChoices(theModel_, method_);
    performSegue(theSegue_, this);
}

void DuolinearPracticeScreen::prepare(ui::StoryboardSegue& segue, ui::Object* sender) {
    handOverWorkedSolution(segue, theSegue_, theModel_);
}

}  // namespace duolinear

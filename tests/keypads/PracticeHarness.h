#pragma once
// The practice keypad as the substitution practice screen makes it, in a
// phone-sized window, reporting to a stand-in screen that hands out numbered
// problems: problem n shows the rows "problem n, row r" and expects the
// entries [[["n", "0", "0"]], [["0", "n", "0"]]].

#include <memory>
#include <string>
#include <vector>

#include "KeypadHarness.h"
#include "keypads/UniversalIntegerPracticePadView.h"

namespace duolinear::testing {

struct ProblemRequest {
    int level = 0;
    SelectedTexts options;
    SelectedTexts multiLine;
};

struct PracticeScreen : IntegerPracticeDataSource, IntegerDelegate {
    int maxDigits() override { return 3; }
    bool allowsNegative() override { return true; }
    KeypadPracticeProblem newPracticeProblem(int level, const SelectedTexts& o, const SelectedTexts& m) override {
        requests.push_back({level, o, m});
        const std::string n = std::to_string(requests.size());
        KeypadPracticeProblem problem;
        problem.inputs = {{{n, "0", "0"}}, {{"0", n, "0"}}};
        for (int r = 0; r < rowsPerProblem; ++r) {
            problem.examples.emplace_back("problem " + n + ", row " + std::to_string(r));
        }
        return problem;
    }
    void enterEquationData(const ElementGroups& i, const SelectedTexts& o, const SelectedTexts& m) override {
        received.push_back({i, o, m});
    }
    int rowsPerProblem = 1;
    std::vector<ProblemRequest> requests;
    std::vector<HandOver> received;
};

inline const ElementGroups kFirstInputs = {{{"2", "-3", "-4"}}, {{"-1", "1", "1"}}};

inline PracticeElements substitutionPracticeElements(OptionIndices selections = {}) {
    return {.options = {{{"x in terms of y", "y in terms of x"}}, {{"from the first", "from the second"}}},
            .optionsSelections = std::move(selections),
            .levels = {"😀", "🙂", "😐", "🙁", "☹️"},
            .examples = {gfx::AttributedText("2x − 3y = -4 and -x + y = 1")}};
}

struct HostedPracticeKeypad {
    explicit HostedPracticeKeypad(PracticeElements elements = substitutionPracticeElements(),
                                  OptionRowFlags flushOptions = {}, std::vector<std::string> info = {"🤔 for steps"},
                                  double height = 844.0)
        : pad(std::make_shared<UniversalIntegerPracticePadView>(info, elements, flushOptions, kFirstInputs)),
          hosted(pad, 390.0, height) {
        pad->setDataSource(&screen);
        pad->setDelegate(&screen);
    }
    PracticeScreen screen;
    std::shared_ptr<UniversalIntegerPracticePadView> pad;
    Hosted hosted;
};

}  // namespace duolinear::testing

#pragma once
// What the three practice screens share: the practice keypad shows a
// generated system of the screen's method, a row of faces to pick a level
// (easiest first) and the method's option rows. A tap on a face brings a new
// problem of that level; "🤔" turns the problem on display into the model,
// stores the options as preferences and performs the screen's segue, whose
// preparation hands the worked solution to the step screen.
//
// Every new practice screen starts with a problem of level 0.

#include <memory>
#include <string>
#include <vector>

#include "keypads/PadInterfaces.h"
#include "keypads/UniversalIntegerPracticePadView.h"
#include "platform/ui/ViewController.h"
#include "solver/DuolinearModel.h"

namespace duolinear {

class DuolinearPracticeScreen : public ui::ViewController, public IntegerDelegate, public IntegerPracticeDataSource {
public:
    ~DuolinearPracticeScreen() override;

    const DuolinearModel& theModel() const { return theModel_; }
    void setTheModel(DuolinearModel model) { theModel_ = std::move(model); }
    const std::string& theSegue() const { return theSegue_; }
    UniversalIntegerPracticePadView& thePadView() const { return *thePadView_; }
    Duolinear_method method() const { return method_; }

    int maxDigits() override { return 3; }
    bool allowsNegative() override { return true; }

    // A new problem of the level (the index of the tapped face) and the
    // screen's method; the options are not read. Should the generator give
    // none, the problem on display is handed back, so that what the keypad
    // shows and what it hands over stay one problem.
    KeypadPracticeProblem newPracticeProblem(int level, const SelectedTexts& options,
                                             const SelectedTexts& multiLine) override;

    // "🤔": the problem on display into the model, the options from the first
    // text of each row, then the preferences and the segue. Inputs that are
    // not six decimal integers change nothing.
    void enterEquationData(const ElementGroups& inputs, const SelectedTexts& options,
                           const SelectedTexts& multiLine) override;

    void prepare(ui::StoryboardSegue& segue, ui::Object* sender) override;

protected:
    DuolinearPracticeScreen(Duolinear_method method, std::string segue);

    void viewDidLoad() override;

private:
    DuolinearModel theModel_;
    const std::string theSegue_;
    const Duolinear_method method_;
    KeypadPracticeProblem shownProblem_;
    const std::shared_ptr<UniversalIntegerPracticePadView> thePadView_;
};

// The level faces of a method's practice keypad, easiest first: five for
// substitution, whose level 0 is an easier kind of its own, four otherwise.
std::vector<std::string> practiceLevelFaces(Duolinear_method method);

}  // namespace duolinear

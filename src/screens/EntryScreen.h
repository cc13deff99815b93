#pragma once
// What the three entry screens share: the learner types a system of two
// equations a1·x + b1·y = c1, a2·x + b2·y = c2 as six integers on the entry
// keypad, picks the method's options, and presses "🤔"; the screen then
// fills its model from the entries and options, stores the options as
// preferences and performs its segue, whose preparation hands the worked
// solution to the step screen.
//
// The screen is its keypad's data source and delegate from viewDidLoad on;
// the keypad fills the safe area less 5 points on every side.

#include <memory>
#include <string>

#include "keypads/PadInterfaces.h"
#include "keypads/UniversalIntegerPadView.h"
#include "platform/ui/ViewController.h"
#include "solver/DuolinearModel.h"

namespace duolinear {

class DuolinearEntryScreen : public ui::ViewController, public IntegerDelegate, public IntegerDataSource {
public:
    ~DuolinearEntryScreen() override;

    // The default model until the first "🤔"; refilled on every "🤔".
    const DuolinearModel& theModel() const { return theModel_; }
    void setTheModel(DuolinearModel model) { theModel_ = std::move(model); }
    const std::string& theSegue() const { return theSegue_; }
    UniversalIntegerPadView& thePadView() const { return *thePadView_; }
    Duolinear_method method() const { return method_; }

    // At most three digits per field; negative entries allowed.
    int maxDigits() override { return 3; }
    bool allowsNegative() override { return true; }

    // "🤔": the coefficients from group g, row 0, fields 0 to 2, the options
    // from the first text of each row, then the preferences and the segue.
    // Entries that are not six decimal integers change nothing.
    void enterEquationData(const ElementGroups& inputs, const SelectedTexts& options,
                           const SelectedTexts& multiLine) override;

    // Hands the worked solution over on the screen's own segue only.
    void prepare(ui::StoryboardSegue& segue, ui::Object* sender) override;

protected:
    // Builds the keypad with the method's option rows and the stored choices.
    DuolinearEntryScreen(Duolinear_method method, std::string segue);

    void viewDidLoad() override;

private:
    DuolinearModel theModel_;
    const std::string theSegue_;
    const std::shared_ptr<UniversalIntegerPadView> thePadView_;
    const Duolinear_method method_;
};

}  // namespace duolinear

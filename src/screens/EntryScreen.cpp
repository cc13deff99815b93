#include "screens/EntryScreen.h"

#include "platform/ui/View.h"
#include "screens/InputScreenKeypad.h"
#include "screens/OptionChoices.h"
#include "screens/StepScreenHandOver.h"
#include "screens/SystemEntries.h"

namespace duolinear {

namespace {

std::shared_ptr<UniversalIntegerPadView> makeEntryKeypad(Duolinear_method method) {
    EntryElements elements;
    elements.inputs = {{{"0", "0", "0"}}, {{"0", "0", "0"}}};
    elements.options = optionGroups(method);
    elements.optionsSelections = storedOptionSelections(method);
    return std::make_shared<UniversalIntegerPadView>(std::vector<std::string>{kInputScreenInfo}, elements);
}

}  // namespace

DuolinearEntryScreen::DuolinearEntryScreen(Duolinear_method method, std::string segue)
    : theSegue_(std::move(segue)), thePadView_(makeEntryKeypad(method)), method_(method) {}

DuolinearEntryScreen::~DuolinearEntryScreen() {
    // The keypad may outlive the screen while someone else holds it.
    thePadView_->setDataSource(nullptr);
    thePadView_->setDelegate(nullptr);
}

void DuolinearEntryScreen::viewDidLoad() {
    ui::ViewController::viewDidLoad();
    thePadView_->setDataSource(this);
    thePadView_->setDelegate(this);
    pinKeypad(*view(), thePadView_);
}

void DuolinearEntryScreen::enterEquationData(const ElementGroups& inputs, const SelectedTexts& options,
                                             const SelectedTexts& multiLine) {
    if (!fillCoefficients(theModel_, inputs)) return;
    applyOptionTexts(theModel_, options, method_);
    storeOptionChoices(theModel_, method_);
    performSegue(theSegue_, this);
}

void DuolinearEntryScreen::prepare(ui::StoryboardSegue& segue, ui::Object* sender) {
    handOverWorkedSolution(segue, theSegue_, theModel_);
}

}  // namespace duolinear

#pragma once
// What the integer and real-number entry keypads share: an information view,
// the entry fields view and the numeric keypad stacked top to bottom; the
// selected field, the selected option of every option row and the selected
// multi-line entry; and the one key handler that every key of the fields
// view and the numeric keypad reaches.
//
// The field texts live in the labels of the fields view; the keypad finds
// them by view tag. Selection is shown by background colour alone: green
// for selected, white for unselected. "🤔" gathers every field text and the
// selected option texts and hands them over; nothing is reset by it.
//
// The keypads differ in how a digit and "." edit a field, in whether "+/-"
// may change the sign, in how input texts are handed over, and in whom they
// report to: those are the hooks below.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "keypads/KeypadElements.h"
#include "keypads/PadInterfaces.h"
#include "keypads/UniversalInfoView.h"
#include "keypads/UniversalIntegerIOView.h"
#include "keypads/UniversalNumericPadView.h"
#include "layout/Enumerations.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"

namespace duolinear {

class EntryKeypadView : public ui::View, public PadDataEntryDelegate {
public:
    ~EntryKeypadView() override;

    // The view tag of the selected entry field; none when the keypad has no
    // entry field.
    std::optional<long long> selection() const { return selection_; }
    // For each option group, for each of its rows, the view tag of the
    // selected option.
    const std::vector<std::vector<long long>>& optionsSelections() const { return optionsSelections_; }
    // Set exactly when there are multi-line entries.
    std::optional<long long> multiLineSelection() const { return multiLineSelection_; }

    // The lists the keypad was made with.
    const ElementGroups& inputs() const { return inputs_; }
    const ElementGroups& polynomials() const { return polynomials_; }
    const ElementGroups& fractions() const { return fractions_; }
    const ElementGroups& options() const { return options_; }
    const ElementGroups& multiLine() const { return multiLine_; }

    UniversalInfoView& infoView() const { return *infoView_; }
    UniversalIntegerIOView& fieldsView() const { return *fieldsView_; }
    UniversalNumericPadView& numericPad() const { return *numericPad_; }

    // Handles one tap: sender is the tapped key, whose title says what to do.
    void keyPressed(ui::Object* sender) override;
    bool handleAction(const std::string& action, ui::Object* sender) override;

    // Stacks the three parts 5 points apart over the full width: the
    // information view and the fields view as high as the numeric keypad
    // times their factors, the numeric keypad taking what remains.
    void layoutIntegerPad(double infoHeightFactor, double fieldsHeightFactor, UniversalInfoView& info,
                          UniversalIntegerIOView& fields, UniversalNumericPadView& numeric);

protected:
    EntryKeypadView(const std::vector<std::string>& info, const EntryElements& elements, gfx::Rect frame);

    // The field's text after a digit key, or after ".".
    virtual std::string afterDigit(const std::string& text, int digit) = 0;
    virtual std::string afterPoint(const std::string& text) = 0;
    // Whether "+/-" may change the sign (asked on every press).
    virtual bool signChangeAllowed() = 0;
    // How the text of an input field is handed over.
    virtual std::string inputForHandOver(const std::string& text) const = 0;
    // Hands everything over to the keypad's delegate, when it has one.
    virtual void handOver(const ElementGroups& inputs, const SelectedTexts& options,
                          const SelectedTexts& multiLine) = 0;

private:
    ui::Label* labelWithTag(long long tag);
    std::string labelText(long long tag);

    void editField(ui::Label& field, const std::string& text);
    void selectField(long long tag, Tag kind, ui::Label& current);
    void selectOption(long long tag);
    void selectMultiLine(long long tag);
    void turnArrow(long long tag);
    void gatherAndHandOver();

    std::optional<long long> selection_;
    ElementGroups inputs_;
    ElementGroups polynomials_;
    ElementGroups fractions_;
    std::optional<long long> multiLineSelection_;
    ElementGroups multiLine_;
    std::vector<std::vector<long long>> optionsSelections_;
    ElementGroups options_;

    std::shared_ptr<UniversalInfoView> infoView_;
    std::shared_ptr<UniversalIntegerIOView> fieldsView_;
    std::shared_ptr<UniversalNumericPadView> numericPad_;
};

}  // namespace duolinear

#pragma once
// The keypad of the practice screens. It has no digit keys: the learner picks
// a level, the method's options and, where offered, a multi-line entry, and
// reads the generated problem in the example rows. An info view stands above
// the practice fields view, whose every key arrives at this keypad's handler.
//
// The keypad owns the selections (one option per option row, one level, one
// multi-line entry) and the expected entries of the problem on display. A
// level key, the selected one included, moves the green mark and asks the
// data source for a new problem of that level; an option key moves the mark
// within its row and asks for a new problem only when its row's flush flag
// reads "YES"; "🤔" hands the expected entries and the selected texts to the
// delegate. The selections survive new problems.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "keypads/KeypadElements.h"
#include "keypads/PadInterfaces.h"
#include "keypads/UniversalInfoView.h"
#include "keypads/UniversalIntegerPracticeIOView.h"
#include "platform/ui/View.h"

namespace duolinear {

// Per option group, per row, a flag: "YES" marks a row whose choice asks for
// a new problem.
using OptionRowFlags = std::vector<std::vector<std::string>>;

class UniversalIntegerPracticePadView : public ui::View, public PadDataEntryDelegate {
public:
    // info: the lines of the info view; elements: what the fields view shows
    // (the examples are the rows of the first problem); flushOptions may be
    // empty; inputs: the expected entries of the first problem.
    UniversalIntegerPracticePadView(const std::vector<std::string>& info, const PracticeElements& elements,
                                    const OptionRowFlags& flushOptions, const ElementGroups& inputs,
                                    gfx::Rect frame = {});
    ~UniversalIntegerPracticePadView() override;

    // Non-owning: the screen that owns the keypad sets both once its view has
    // loaded. Without a data source no new problem comes (the selections
    // still move); without a delegate "🤔" does nothing.
    IntegerPracticeDataSource* dataSource() const { return dataSource_; }
    void setDataSource(IntegerPracticeDataSource* dataSource) { dataSource_ = dataSource; }
    IntegerDelegate* delegate() const { return delegate_; }
    void setDelegate(IntegerDelegate* delegate) { delegate_ = delegate; }

    // The view tag of the selected multi-line entry; set exactly when there
    // are multi-line groups.
    std::optional<long long> multiLineSelection() const { return multiLineSelection_; }
    // For each option group, for each of its rows, the view tag of the
    // selected option.
    const std::vector<std::vector<long long>>& optionsSelections() const { return optionsSelections_; }
    // The view tag of the selected level; 0 when there are no levels.
    long long levelSelection() const { return levelSelection_; }
    // The expected entries of the problem on display.
    const ElementGroups& inputs() const { return inputs_; }
    const OptionRowFlags& flushOptions() const { return flushOptions_; }
    // Always 0: the example labels are tagged from the example kind's first tag.
    long long exampleRowTagStart() const { return exampleRowTagStart_; }
    // The number of example labels, all refreshed with each new problem.
    std::size_t exampleNumberOfRows() const { return exampleNumberOfRows_; }

    UniversalInfoView& infoView() const { return *infoView_; }
    UniversalIntegerPracticeIOView& fieldsView() const { return *fieldsView_; }

    // Handles one tap: sender is the tapped key, whose title says what to do.
    void keyPressed(ui::Object* sender) override;
    bool handleAction(const std::string& action, ui::Object* sender) override;

    // Stacks the info view over the fields view, 10 points apart over the
    // full width; the fields view is rows / half times as high as the info
    // view (half: half the number of info lines).
    void layoutPracticePad(double half, double rows, UniversalInfoView& info, UniversalIntegerPracticeIOView& fields);

private:
    struct SelectedTextLists {
        SelectedTexts options;
        SelectedTexts multiLine;
    };

    std::string labelText(long long tag);
    SelectedTextLists collectSelectedTexts();
    void regenerateExercise(long long level);

    void handOver();
    void chooseOption(long long tag);
    void chooseLevel(long long tag);
    void chooseMultiLine(long long tag);

    IntegerPracticeDataSource* dataSource_ = nullptr;
    IntegerDelegate* delegate_ = nullptr;
    std::optional<long long> multiLineSelection_;
    std::vector<std::vector<long long>> optionsSelections_;
    long long levelSelection_ = 0;
    ElementGroups inputs_;
    OptionRowFlags flushOptions_;
    long long exampleRowTagStart_ = 0;
    std::size_t exampleNumberOfRows_ = 0;

    std::shared_ptr<UniversalInfoView> infoView_;
    std::shared_ptr<UniversalIntegerPracticeIOView> fieldsView_;
};

}  // namespace duolinear

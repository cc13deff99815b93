#pragma once
// The lower area of the practice keypad. From top to bottom: one band per
// multi-line group, one band per option group, one band of level keys, the
// example rows that show the current practice problem, and a large "🤔" key.
//
// Every multi-line entry, option and level is a label showing its text and,
// by its background, whether it is selected (green) or not (white); under it
// lies a transparent key of the same frame titled with the element's kind
// and view tag ("M3073", "O4098", "L5121"). Labels take no touches, so a tap
// on a label lands on its key, and the view hands the key unchanged to its
// delegate. The view changes nothing itself after it is built: the practice
// keypad finds the labels by tag, recolours them and replaces the example
// texts.

#include <memory>
#include <string>
#include <vector>

#include "keypads/KeypadElements.h"
#include "keypads/PadInterfaces.h"
#include "keypads/UniversalIntegerIOView.h"
#include "platform/gfx/AttributedText.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"

namespace duolinear {

// Everything the practice fields view shows.
struct PracticeElements {
    ElementGroups multiLine{};
    ElementGroups options{};                      // the options of one row exclude one another
    OptionIndices optionsSelections{};            // may be empty: the first option of every row
    std::vector<std::string> levels{};            // one band of level keys, easiest first
    std::vector<gfx::AttributedText> examples{};  // the rows of the problem on display
};

class UniversalIntegerPracticeIOView : public ui::View {
public:
    explicit UniversalIntegerPracticeIOView(const PracticeElements& elements, gfx::Rect frame = {});

    // Non-owning: the keypad that owns this view.
    PadDataEntryDelegate* delegate() const { return delegate_; }
    void setDelegate(PadDataEntryDelegate* delegate) { delegate_ = delegate; }

    // Hands the key to the delegate; nothing without one.
    void keyPressed(ui::Object* sender);

    bool handleAction(const std::string& action, ui::Object* sender) override;

    // A centred label in the system font of the size, black on the
    // background, shrinking its text to fit, carrying the tag. Added to no view.
    static std::shared_ptr<ui::Label> makePracticeIOLabel(const gfx::AttributedText& text, long long tag,
                                                          gfx::Color background, float fontSize);

    // Places the bands of keys (band -> row -> key), every label on its key,
    // the example labels below the bands and the "🤔" key at the bottom.
    // Every band and example row is h high and the "🤔" key 2h; bands are 5
    // points apart, the examples 10 below the last band and 5 apart; a band's
    // rows stand side by side 10 points apart and a row's keys 5 apart, all
    // keys of a band equally wide across the whole width.
    void layoutPracticeIOView(const KeyGroups& keys, const LabelGroups& labels,
                              const std::vector<ui::Label*>& exampleLabels, ui::Button& thinkKey);

private:
    PadDataEntryDelegate* delegate_ = nullptr;
};

}  // namespace duolinear

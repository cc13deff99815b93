#pragma once
// The middle band of the entry keypads: the option choices and the entry
// fields, each a label, laid out in horizontal bands, one band per group, in
// the order multi-line, option, input, polynomial and fraction groups.
//
// Every label carries the view tag of its element; under it lies a
// transparent key of the same frame titled with the element's kind and tag
// ("I1", "O4098", "P_option1028"). Labels take no touches, so a tap on a label
// lands on its key, and the view hands the key unchanged to its delegate.
// The view never changes a text or colour itself: the owning keypad finds the
// labels by tag and changes them.

#include <memory>
#include <string>
#include <vector>

#include "keypads/KeypadElements.h"
#include "keypads/PadInterfaces.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"

namespace duolinear {

// The elements of the view, held only while it is laid out: group -> row -> element.
using KeyGroups = std::vector<std::vector<std::vector<ui::Button*>>>;
using LabelGroups = std::vector<std::vector<std::vector<ui::Label*>>>;

// Gives every label the frame of the key at the same position (labels and
// keys of the same shape; positions one list lacks are skipped).
void pinLabelsToKeys(const KeyGroups& keyGroups, const LabelGroups& labelGroups);

class UniversalIntegerIOView : public ui::View {
public:
    explicit UniversalIntegerIOView(const EntryElements& elements, gfx::Rect frame = {});

    // Non-owning: the keypad that owns this view.
    PadDataEntryDelegate* delegate() const { return delegate_; }
    void setDelegate(PadDataEntryDelegate* delegate) { delegate_ = delegate; }

    // Hands the key to the delegate; nothing without one.
    void keyPressed(ui::Object* sender);

    bool handleAction(const std::string& action, ui::Object* sender) override;

    // A transparent-titled key: a system button with the title in the system
    // font of the size, shrinking to fit, black on the background, sending
    // the action up the responder chain. Added to no view.
    static std::shared_ptr<ui::Button> makeIOKey(const std::string& title, gfx::Color background,
                                                 const std::string& action, float fontSize);
    // A centred one-line label in the system font of the size and weight 0.1,
    // shrinking to fit, carrying the tag. Added to no view.
    static std::shared_ptr<ui::Label> makeIOLabel(const std::string& text, long long tag, gfx::Color background,
                                                  float fontSize);

    // Places the keys in bands and every label on its key. Key and label
    // groups have the same shape; the last fractionGroups groups are
    // two-level fraction bands.
    void layoutIOViewKeys(const KeyGroups& keyGroups, const LabelGroups& labelGroups, std::size_t fractionGroups);

private:
    PadDataEntryDelegate* delegate_ = nullptr;
};

}  // namespace duolinear

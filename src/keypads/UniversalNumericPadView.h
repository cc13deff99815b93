#pragma once
// The block of fifteen keys at the bottom of the entry keypads: four rows,
//   "7" "8" "9" "+/-"
//   "4" "5" "6" "C"
//   "1" "2" "3" "DEL"
//   "0" "." "🤔"        ("0" twice as wide as the other two)
// on light grey, one point apart. Every key sends keyPressedWithSender: up
// the responder chain (key, row view, container, this view); this view hands
// the key unchanged to its delegate. It never changes after it is built.

#include <memory>
#include <string>
#include <vector>

#include "keypads/PadInterfaces.h"
#include "platform/ui/Button.h"
#include "platform/ui/View.h"

namespace duolinear {

class UniversalNumericPadView : public ui::View {
public:
    explicit UniversalNumericPadView(gfx::Rect frame = {});

    // Non-owning: the keypad that owns this view.
    PadDataEntryDelegate* delegate() const { return delegate_; }
    void setDelegate(PadDataEntryDelegate* delegate) { delegate_ = delegate; }

    // Hands the key to the delegate; nothing without one.
    void keyPressed(ui::Object* sender);

    bool handleAction(const std::string& action, ui::Object* sender) override;

    // One key per title, row by row: a system button with the title in the
    // system font of its size, black on its background colour, sending the
    // action up the responder chain.
    static std::vector<std::vector<std::shared_ptr<ui::Button>>> makeKeyRows(
        const std::vector<std::vector<std::string>>& titles, const std::vector<std::vector<float>>& fontSizes,
        const std::vector<std::vector<gfx::Color>>& backgrounds, const std::string& action);
    // Stacks the row views in the container: equal heights, one point apart.
    static void layoutKeyRows(const std::vector<std::shared_ptr<ui::View>>& rowViews, ui::View& container);
    // Lays one row's keys side by side, one point apart, each as wide as the
    // first key times its width factor.
    static void layoutKeysInRow(const std::vector<std::shared_ptr<ui::Button>>& keys,
                                const std::vector<float>& widthFactors, ui::View& rowView);

private:
    PadDataEntryDelegate* delegate_ = nullptr;
};

}  // namespace duolinear

#include "screens/InputScreenKeypad.h"

#include "platform/ui/LayoutGuide.h"

namespace duolinear {

namespace {

constexpr double kKeypadMargin = 5.0;

}  // namespace

void pinKeypad(ui::View& root, const std::shared_ptr<ui::View>& keypad) {
    keypad->setTranslatesAutoresizingMaskIntoConstraints(false);
    root.addSubview(keypad);
    const ui::LayoutGuide guide = root.safeAreaLayoutGuide();
    keypad->topAnchor().constraintEqualTo(guide.topAnchor(), kKeypadMargin).activate();
    keypad->bottomAnchor().constraintEqualTo(guide.bottomAnchor(), -kKeypadMargin).activate();
    keypad->leadingAnchor().constraintEqualTo(guide.leadingAnchor(), kKeypadMargin).activate();
    keypad->trailingAnchor().constraintEqualTo(guide.trailingAnchor(), -kKeypadMargin).activate();
}

}  // namespace duolinear

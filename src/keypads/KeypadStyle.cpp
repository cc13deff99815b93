#include "keypads/KeypadStyle.h"

#include "layout/drawing/BaseFontSize.h"
#include "platform/ui/Label.h"

namespace duolinear {

float keypadFontSize() {
    return static_cast<float>(baseFontSize());
}

bool moveSelectionMark(ui::View& keypad, long long from, long long to) {
    auto* next = dynamic_cast<ui::Label*>(keypad.viewWithTag(to));
    auto* previous = dynamic_cast<ui::Label*>(keypad.viewWithTag(from));
    if (next == nullptr || previous == nullptr) return false;
    next->setBackgroundColor(kSelectedColor);
    previous->setBackgroundColor(kUnselectedColor);
    return true;
}

}  // namespace duolinear

#include "keypads/UniversalRealPadView.h"

#include "keypads/FieldEditing.h"

namespace duolinear {

UniversalRealPadView::UniversalRealPadView(const std::vector<std::string>& info, const EntryElements& elements,
                                           gfx::Rect frame)
    : EntryKeypadView(info, elements, frame) {}

std::string UniversalRealPadView::afterDigit(const std::string& text, int digit) {
    // The limit is asked at every digit, before anything else is decided.
    if (dataSource_ == nullptr) return text;
    return realFieldAfterDigit(text, digit, dataSource_->maxDigits());
}

std::string UniversalRealPadView::afterPoint(const std::string& text) {
    return realFieldAfterPoint(text);
}

bool UniversalRealPadView::signChangeAllowed() {
    return dataSource_ != nullptr && dataSource_->allowsNegative();
}

std::string UniversalRealPadView::inputForHandOver(const std::string& text) const {
    return text;
}

void UniversalRealPadView::handOver(const ElementGroups& inputs, const SelectedTexts& options,
                                    const SelectedTexts& multiLine) {
    if (delegate_ != nullptr) delegate_->enterEquationData(inputs, options, multiLine);
}

}  // namespace duolinear

#include "keypads/UniversalIntegerPadView.h"

#include "keypads/FieldEditing.h"

namespace duolinear {

UniversalIntegerPadView::UniversalIntegerPadView(const std::vector<std::string>& info, const EntryElements& elements,
                                                 gfx::Rect frame)
    : EntryKeypadView(info, elements, frame) {}

std::string UniversalIntegerPadView::afterDigit(const std::string& text, int digit) {
    // The limit is asked afresh, and only when a digit would be appended.
    return integerFieldAfterDigit(text, digit, [this]() -> std::optional<int> {
        if (dataSource_ == nullptr) return std::nullopt;
        return dataSource_->maxDigits();
    });
}

std::string UniversalIntegerPadView::afterPoint(const std::string& text) {
    return text;
}

bool UniversalIntegerPadView::signChangeAllowed() {
    return dataSource_ != nullptr && dataSource_->allowsNegative();
}

std::string UniversalIntegerPadView::inputForHandOver(const std::string& text) const {
    return entryForHandOver(text);
}

void UniversalIntegerPadView::handOver(const ElementGroups& inputs, const SelectedTexts& options,
                                       const SelectedTexts& multiLine) {
    if (delegate_ != nullptr) delegate_->enterEquationData(inputs, options, multiLine);
}

}  // namespace duolinear

#pragma once
// The keypad of the entry screens: digits up to the data source's limit
// (3 on every screen), a sign key when the data source allows negatives, no
// decimal point; "🤔" hands every field text ("-0" as "0") and the selected
// option texts to the delegate.

#include "keypads/EntryKeypadView.h"

namespace duolinear {

class UniversalIntegerPadView : public EntryKeypadView {
public:
    // info: the lines of the information view; elements: the fields, options
    // and multi-line entries (optionsSelections may be empty).
    UniversalIntegerPadView(const std::vector<std::string>& info, const EntryElements& elements, gfx::Rect frame = {});

    // Non-owning: the screen that owns the keypad sets both once its view
    // has loaded. Without a data source, digits that would be appended and
    // "+/-" do nothing; without a delegate, "🤔" does nothing.
    IntegerDataSource* dataSource() const { return dataSource_; }
    void setDataSource(IntegerDataSource* dataSource) { dataSource_ = dataSource; }
    IntegerDelegate* delegate() const { return delegate_; }
    void setDelegate(IntegerDelegate* delegate) { delegate_ = delegate; }

protected:
    std::string afterDigit(const std::string& text, int digit) override;
    std::string afterPoint(const std::string& text) override;
    bool signChangeAllowed() override;
    std::string inputForHandOver(const std::string& text) const override;
    void handOver(const ElementGroups& inputs, const SelectedTexts& options, const SelectedTexts& multiLine) override;

private:
    IntegerDataSource* dataSource_ = nullptr;
    IntegerDelegate* delegate_ = nullptr;
};

}  // namespace duolinear

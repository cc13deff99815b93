#pragma once
// The twin of the entry keypad for entries with a decimal point: "." works,
// and neither the point nor one leading zero counts against the digit limit
// (with a limit of 3 a field reaches 512, 51.2, 0.512 or -0.512, not 5.123).
// Input texts are handed over unchanged, "-0" included. It reports to a
// RealDataSource and a RealDelegate.

#include "keypads/EntryKeypadView.h"

namespace duolinear {

class UniversalRealPadView : public EntryKeypadView {
public:
    UniversalRealPadView(const std::vector<std::string>& info, const EntryElements& elements, gfx::Rect frame = {});

    // Non-owning. Without a data source, digits and "+/-" do nothing;
    // without a delegate, "🤔" does nothing.
    RealDataSource* dataSource() const { return dataSource_; }
    void setDataSource(RealDataSource* dataSource) { dataSource_ = dataSource; }
    RealDelegate* delegate() const { return delegate_; }
    void setDelegate(RealDelegate* delegate) { delegate_ = delegate; }

protected:
    std::string afterDigit(const std::string& text, int digit) override;
    std::string afterPoint(const std::string& text) override;
    bool signChangeAllowed() override;
    std::string inputForHandOver(const std::string& text) const override;
    void handOver(const ElementGroups& inputs, const SelectedTexts& options, const SelectedTexts& multiLine) override;

private:
    RealDataSource* dataSource_ = nullptr;
    RealDelegate* delegate_ = nullptr;
};

}  // namespace duolinear

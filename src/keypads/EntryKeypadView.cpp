#include "keypads/EntryKeypadView.h"

#include "keypads/KeyTitles.h"
#include "layout/ViewTag.h"

namespace duolinear {

EntryKeypadView::EntryKeypadView(const std::vector<std::string>& info, const EntryElements& elements, gfx::Rect frame)
    : ui::View(frame),
      inputs_(elements.inputs),
      polynomials_(elements.polynomials),
      fractions_(elements.fractions),
      multiLine_(elements.multiLine),
      options_(elements.options) {
    if (!multiLine_.empty()) multiLineSelection_ = viewTag(0, 0, 0, Tag::multi_line);
    if (!inputs_.empty())
        selection_ = viewTag(0, 0, 0, Tag::input);
    else if (!polynomials_.empty())
        selection_ = viewTag(0, 0, 0, Tag::polynomial);
    else if (!fractions_.empty())
        selection_ = viewTag(0, 0, 0, Tag::fraction);

    setTranslatesAutoresizingMaskIntoConstraints(false);
    setBackgroundColor(gfx::Color::clear());
    setHidden(false);

    // Fraction bands have two levels and count twice.
    const double fieldsHeightFactor = static_cast<double>(inputs_.size() + 2 * fractions_.size() + polynomials_.size() +
                                                          options_.size() + multiLine_.size()) /
                                      6.0;
    const double infoHeightFactor = static_cast<double>(info.size()) / 7.5;

    for (std::size_t a = 0; a < options_.size(); ++a) {
        auto& group = optionsSelections_.emplace_back();
        for (std::size_t b = 0; b < options_[a].size(); ++b) {
            group.push_back(viewTag(a, b, initialOptionIndex(elements, a, b), Tag::option));
        }
    }

    infoView_ = std::make_shared<UniversalInfoView>(info, frame);
    addSubview(infoView_);
    fieldsView_ = std::make_shared<UniversalIntegerIOView>(elements, frame);
    fieldsView_->setDelegate(this);
    addSubview(fieldsView_);
    numericPad_ = std::make_shared<UniversalNumericPadView>();
    numericPad_->setDelegate(this);
    addSubview(numericPad_);

    layoutIntegerPad(infoHeightFactor, fieldsHeightFactor, *infoView_, *fieldsView_, *numericPad_);
}

EntryKeypadView::~EntryKeypadView() {
    // The parts may outlive the keypad while someone else holds them.
    fieldsView_->setDelegate(nullptr);
    numericPad_->setDelegate(nullptr);
}

bool EntryKeypadView::handleAction(const std::string& action, ui::Object* sender) {
    if (action != kKeyPressedAction) return ui::View::handleAction(action, sender);
    keyPressed(sender);
    return true;
}

void EntryKeypadView::layoutIntegerPad(double infoHeightFactor, double fieldsHeightFactor, UniversalInfoView& info,
                                       UniversalIntegerIOView& fields, UniversalNumericPadView& numeric) {
    info.topAnchor().constraintEqualTo(topAnchor()).activate();
    info.bottomAnchor().constraintEqualTo(fields.topAnchor(), -5.0).activate();
    info.leadingAnchor().constraintEqualTo(leadingAnchor()).activate();
    info.trailingAnchor().constraintEqualTo(trailingAnchor()).activate();
    info.heightAnchor().constraintEqualTo(numeric.heightAnchor(), ui::Multiplier{infoHeightFactor}).activate();

    fields.topAnchor().constraintEqualTo(info.bottomAnchor(), 5.0).activate();
    fields.bottomAnchor().constraintEqualTo(numeric.topAnchor(), -5.0).activate();
    fields.leadingAnchor().constraintEqualTo(info.leadingAnchor()).activate();
    fields.trailingAnchor().constraintEqualTo(info.trailingAnchor()).activate();
    fields.heightAnchor().constraintEqualTo(numeric.heightAnchor(), ui::Multiplier{fieldsHeightFactor}).activate();

    numeric.topAnchor().constraintEqualTo(fields.bottomAnchor(), 5.0).activate();
    numeric.bottomAnchor().constraintEqualTo(bottomAnchor()).activate();
    numeric.leadingAnchor().constraintEqualTo(info.leadingAnchor()).activate();
    numeric.trailingAnchor().constraintEqualTo(info.trailingAnchor()).activate();
}

}  // namespace duolinear

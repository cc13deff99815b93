#include "keypads/UniversalIntegerPracticePadView.h"

#include "keypads/KeyTitles.h"
#include "layout/ViewTag.h"

namespace duolinear {

UniversalIntegerPracticePadView::UniversalIntegerPracticePadView(const std::vector<std::string>& info,
                                                                 const PracticeElements& elements,
                                                                 const OptionRowFlags& flushOptions,
                                                                 const ElementGroups& inputs, gfx::Rect frame)
    : ui::View(frame), inputs_(inputs), flushOptions_(flushOptions), exampleNumberOfRows_(elements.examples.size()) {
    setTranslatesAutoresizingMaskIntoConstraints(false);
    setBackgroundColor(gfx::Color::clear());
    setHidden(false);

    // The band of level keys is left out of the rows: the levels share the
    // fields view's height with the other bands without adding to it.
    const double rows =
        static_cast<double>(elements.options.size() + elements.multiLine.size() + elements.examples.size() + 2);
    const double half = static_cast<double>(info.size()) / 2.0;

    if (!elements.multiLine.empty()) multiLineSelection_ = viewTag(0, 0, 0, Tag::multi_line);
    for (std::size_t i = 0; i < elements.options.size(); ++i) {
        auto& group = optionsSelections_.emplace_back();
        for (std::size_t j = 0; j < elements.options[i].size(); ++j) {
            group.push_back(
                viewTag(i, j, initialOptionIndex(elements.options, elements.optionsSelections, i, j), Tag::option));
        }
    }
    if (!elements.levels.empty()) levelSelection_ = viewTag(0, 0, 0, Tag::level);

    infoView_ = std::make_shared<UniversalInfoView>(info, frame);
    addSubview(infoView_);
    fieldsView_ = std::make_shared<UniversalIntegerPracticeIOView>(elements, frame);
    fieldsView_->setDelegate(this);
    addSubview(fieldsView_);

    layoutPracticePad(half, rows, *infoView_, *fieldsView_);
}

UniversalIntegerPracticePadView::~UniversalIntegerPracticePadView() {
    // The fields view may outlive the keypad while someone else holds it.
    fieldsView_->setDelegate(nullptr);
}

bool UniversalIntegerPracticePadView::handleAction(const std::string& action, ui::Object* sender) {
    if (action != kKeyPressedAction) return ui::View::handleAction(action, sender);
    keyPressed(sender);
    return true;
}

void UniversalIntegerPracticePadView::layoutPracticePad(double half, double rows, UniversalInfoView& info,
                                                        UniversalIntegerPracticeIOView& fields) {
    info.topAnchor().constraintEqualTo(topAnchor()).activate();
    info.bottomAnchor().constraintEqualTo(fields.topAnchor(), -10.0).activate();
    info.leadingAnchor().constraintEqualTo(leadingAnchor()).activate();
    info.trailingAnchor().constraintEqualTo(trailingAnchor()).activate();

    fields.topAnchor().constraintEqualTo(info.bottomAnchor(), 10.0).activate();
    fields.bottomAnchor().constraintEqualTo(bottomAnchor()).activate();
    fields.leadingAnchor().constraintEqualTo(leadingAnchor()).activate();
    fields.trailingAnchor().constraintEqualTo(trailingAnchor()).activate();

    // fields height = info height × rows / half, stated the other way round:
    // rows is at least 2, so the factor stays finite when there is no info
    // line, and the info view then takes no height.
    info.heightAnchor().constraintEqualTo(fields.heightAnchor(), ui::Multiplier{half / rows}).activate();
}

}  // namespace duolinear

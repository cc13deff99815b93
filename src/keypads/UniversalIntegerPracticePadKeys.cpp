// The key handler of the practice keypad: every key of its fields view
// arrives here and is told apart by its title: "🤔", then the first
// character "O", "L" or "M" followed by the view tag of the element's label.

#include "keypads/KeyTitles.h"
#include "keypads/KeypadStyle.h"
#include "keypads/UniversalIntegerPracticePadView.h"
#include "layout/ViewTag.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"

namespace duolinear {

namespace {

// Each kind's tags lie below the next kind's first tag, 1024 further on; a
// tag outside its kind's range names no element of that kind.
bool isOfKind(long long tag, Tag kind) {
    return tag >= rawValue(kind) && tag < rawValue(kind) + 1024;
}

}  // namespace

void UniversalIntegerPracticePadView::keyPressed(ui::Object* sender) {
    const auto* key = dynamic_cast<const ui::Button*>(sender);
    if (key == nullptr || !key->currentTitle()) return;
    const KeyTitle title = parseKeyTitle(*key->currentTitle());
    switch (title.kind) {
        case KeyKind::think:
            handOver();
            break;
        case KeyKind::option:
            chooseOption(title.tag);
            break;
        case KeyKind::level:
            chooseLevel(title.tag);
            break;
        case KeyKind::multiLine:
            chooseMultiLine(title.tag);
            break;
        default:
            break;  // the practice keypad has no digit, edit or field keys
    }
}

std::string UniversalIntegerPracticePadView::labelText(long long tag) {
    const auto* label = dynamic_cast<const ui::Label*>(viewWithTag(tag));
    return label != nullptr ? label->text() : std::string();
}

UniversalIntegerPracticePadView::SelectedTextLists UniversalIntegerPracticePadView::collectSelectedTexts() {
    SelectedTextLists selected;
    for (const auto& group : optionsSelections_) {
        auto& texts = selected.options.emplace_back();
        for (long long tag : group) texts.push_back(labelText(tag));
    }
    if (multiLineSelection_) selected.multiLine.push_back({labelText(*multiLineSelection_)});
    return selected;
}

void UniversalIntegerPracticePadView::regenerateExercise(long long level) {
    if (dataSource_ == nullptr) return;
    const SelectedTextLists selected = collectSelectedTexts();
    KeypadPracticeProblem problem =
        dataSource_->newPracticeProblem(static_cast<int>(level), selected.options, selected.multiLine);
    inputs_ = std::move(problem.inputs);
    for (std::size_t n = 0; n < exampleNumberOfRows_; ++n) {
        auto* example = dynamic_cast<ui::Label*>(viewWithTag(viewTag(0, 0, n, Tag::example)));
        if (example == nullptr) continue;
        // A row the new problem does not fill is emptied rather than left
        // showing a part of the old problem.
        example->setAttributedText(n < problem.examples.size() ? problem.examples[n] : gfx::AttributedText());
    }
}

void UniversalIntegerPracticePadView::handOver() {
    if (delegate_ == nullptr) return;
    const SelectedTextLists selected = collectSelectedTexts();
    delegate_->enterEquationData(inputs_, selected.options, selected.multiLine);
}

void UniversalIntegerPracticePadView::chooseOption(long long tag) {
    if (!isOfKind(tag, Tag::option)) return;
    const ViewTagIndices at = decodeViewTag(tag, Tag::option);
    if (at.group >= static_cast<long long>(optionsSelections_.size())) return;
    auto& row = optionsSelections_[at.group];
    if (at.row >= static_cast<long long>(row.size())) return;

    long long& current = row[at.row];
    if (current != tag && moveSelectionMark(*this, current, tag)) current = tag;

    // A row marked for it asks for a new problem on every choice, the
    // selected option included; a row without a flag never does.
    const bool flushes = at.group < static_cast<long long>(flushOptions_.size()) &&
                         at.row < static_cast<long long>(flushOptions_[at.group].size()) &&
                         flushOptions_[at.group][at.row] == "YES";
    // The selected level's index; a keypad without levels asks for the first.
    if (flushes) regenerateExercise(levelSelection_ != 0 ? levelSelection_ - viewTag(0, 0, 0, Tag::level) : 0);
}

void UniversalIntegerPracticePadView::chooseLevel(long long tag) {
    if (!isOfKind(tag, Tag::level)) return;
    if (levelSelection_ != tag && moveSelectionMark(*this, levelSelection_, tag)) levelSelection_ = tag;
    // Every tap on a level, the selected one included, brings a new problem
    // of the tapped level.
    regenerateExercise(tag - viewTag(0, 0, 0, Tag::level));
}

void UniversalIntegerPracticePadView::chooseMultiLine(long long tag) {
    if (!multiLineSelection_ || !isOfKind(tag, Tag::multi_line)) return;
    if (*multiLineSelection_ != tag && moveSelectionMark(*this, *multiLineSelection_, tag)) multiLineSelection_ = tag;
}

}  // namespace duolinear

// The key handler of the entry keypads: every key of the fields view and of
// the numeric keypad arrives here and is told apart by its title.

#include "keypads/EntryKeypadView.h"
#include "keypads/FieldEditing.h"
#include "keypads/KeyTitles.h"
#include "keypads/KeypadStyle.h"
#include "layout/ViewTag.h"
#include "platform/ui/Button.h"

namespace duolinear {

ui::Label* EntryKeypadView::labelWithTag(long long tag) {
    return dynamic_cast<ui::Label*>(viewWithTag(tag));
}

std::string EntryKeypadView::labelText(long long tag) {
    const ui::Label* label = labelWithTag(tag);
    return label != nullptr ? label->text() : std::string();
}

void EntryKeypadView::keyPressed(ui::Object* sender) {
    const auto* key = dynamic_cast<const ui::Button*>(sender);
    if (key == nullptr || !key->currentTitle()) return;
    // Every key edits or moves away from the selected field; without one
    // (no entry field, or a tag that names no label) no key does anything.
    ui::Label* field = selection_ ? labelWithTag(*selection_) : nullptr;
    if (field == nullptr) return;
    const std::string text = field->text();

    const KeyTitle title = parseKeyTitle(*key->currentTitle());
    switch (title.kind) {
        case KeyKind::digit:
            editField(*field, afterDigit(text, title.digit));
            break;
        case KeyKind::clear:
            editField(*field, clearedField());
            break;
        case KeyKind::del:
            editField(*field, fieldAfterDelete(text));
            break;
        case KeyKind::point:
            editField(*field, afterPoint(text));
            break;
        case KeyKind::sign:
            if (signChangeAllowed()) editField(*field, fieldAfterSignChange(text));
            break;
        case KeyKind::think:
            gatherAndHandOver();
            break;
        case KeyKind::polynomialOption:
            turnArrow(title.tag);
            break;
        case KeyKind::input:
            selectField(title.tag, Tag::input, *field);
            break;
        case KeyKind::polynomial:
            selectField(title.tag, Tag::polynomial, *field);
            break;
        case KeyKind::fraction:
            selectField(title.tag, Tag::fraction, *field);
            break;
        case KeyKind::option:
            selectOption(title.tag);
            break;
        case KeyKind::multiLine:
            selectMultiLine(title.tag);
            break;
        case KeyKind::level:
        case KeyKind::unknown:
            break;
    }
}

void EntryKeypadView::editField(ui::Label& field, const std::string& text) {
    if (text != field.text()) field.setText(text);
}

void EntryKeypadView::selectField(long long tag, Tag kind, ui::Label& current) {
    // Each kind's tags lie below the next kind's first tag, 1024 further on.
    if (selection_ == tag || tag < rawValue(kind) || tag >= rawValue(kind) + 1024) return;
    ui::Label* next = labelWithTag(tag);
    if (next == nullptr) return;
    next->setBackgroundColor(kSelectedColor);
    current.setBackgroundColor(kUnselectedColor);
    selection_ = tag;
}

void EntryKeypadView::selectOption(long long tag) {
    const ViewTagIndices at = decodeViewTag(tag, Tag::option);
    // A tag below the option kind or past the option rows names no option row.
    if (tag < rawValue(Tag::option) || at.group >= static_cast<long long>(optionsSelections_.size())) return;
    auto& row = optionsSelections_[at.group];
    if (at.row >= static_cast<long long>(row.size())) return;
    long long& current = row[at.row];
    if (current == tag) return;
    ui::Label* next = labelWithTag(tag);
    ui::Label* previous = labelWithTag(current);
    if (next == nullptr || previous == nullptr) return;
    next->setBackgroundColor(kSelectedColor);
    previous->setBackgroundColor(kUnselectedColor);
    current = tag;
}

void EntryKeypadView::selectMultiLine(long long tag) {
    if (!multiLineSelection_ || *multiLineSelection_ == tag) return;
    ui::Label* next = labelWithTag(tag);
    ui::Label* previous = labelWithTag(*multiLineSelection_);
    if (next == nullptr || previous == nullptr) return;
    next->setBackgroundColor(kSelectedColor);
    previous->setBackgroundColor(kUnselectedColor);
    multiLineSelection_ = tag;
}

void EntryKeypadView::turnArrow(long long tag) {
    ui::Label* arrow = labelWithTag(tag);
    if (arrow == nullptr) return;
    arrow->setText(arrow->text() == kArrowDown ? kArrowUp : kArrowDown);
}

void EntryKeypadView::gatherAndHandOver() {
    SelectedTexts optionTexts;
    for (const auto& group : optionsSelections_) {
        auto& texts = optionTexts.emplace_back();
        for (long long tag : group) texts.push_back(labelText(tag));
    }

    SelectedTexts multiLineTexts;
    if (multiLineSelection_) multiLineTexts.push_back({labelText(*multiLineSelection_)});

    ElementGroups entries;
    auto gather = [&](const ElementGroups& groups, Tag kind, bool arrows) {
        for (std::size_t i = 0; i < groups.size(); ++i) {
            auto& group = entries.emplace_back();
            for (std::size_t j = 0; j < groups[i].size(); ++j) {
                auto& row = group.emplace_back();
                const std::size_t n = groups[i][j].size();
                for (std::size_t k = 0; k < n; ++k) {
                    const std::string text = labelText(viewTag(i, j, k, kind));
                    row.push_back(kind == Tag::input ? inputForHandOver(text) : entryForHandOver(text));
                }
                if (arrows) row.push_back(labelText(viewTag(i, j, n, kind)));
            }
        }
    };
    gather(inputs_, Tag::input, false);
    gather(polynomials_, Tag::polynomial, true);
    gather(fractions_, Tag::fraction, false);

    handOver(entries, optionTexts, multiLineTexts);
}

}  // namespace duolinear

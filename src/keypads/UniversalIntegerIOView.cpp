#include "keypads/UniversalIntegerIOView.h"

#include "keypads/KeyTitles.h"
#include "keypads/KeypadStyle.h"
#include "layout/ViewTag.h"

namespace duolinear {

namespace {

struct ElementList {
    const ElementGroups& groups;
    Tag kind;
    std::string_view prefix;
};

// The entry list whose first field starts selected: inputs, else
// polynomials, else fractions, as the keypad chooses its first selection.
Tag firstEntryKind(const EntryElements& elements) {
    if (!elements.inputs.empty()) return Tag::input;
    if (!elements.polynomials.empty()) return Tag::polynomial;
    return Tag::fraction;
}

gfx::Color initialBackground(const EntryElements& elements, Tag kind, std::size_t a, std::size_t b, std::size_t c) {
    const bool first = a == 0 && b == 0 && c == 0;
    switch (kind) {
        case Tag::option:
            return static_cast<int>(c) == initialOptionIndex(elements, a, b) ? kSelectedColor : kUnselectedColor;
        case Tag::multi_line:
            return first ? kSelectedColor : kUnselectedColor;
        default:
            return first && kind == firstEntryKind(elements) ? kSelectedColor : kUnselectedColor;
    }
}

}  // namespace

UniversalIntegerIOView::UniversalIntegerIOView(const EntryElements& elements, gfx::Rect frame) : ui::View(frame) {
    setTranslatesAutoresizingMaskIntoConstraints(false);
    setBackgroundColor(gfx::Color::clear());

    const float s = keypadFontSize();
    const ElementList lists[] = {
        {elements.multiLine, Tag::multi_line, kMultiLinePrefix},
        {elements.options, Tag::option, kOptionPrefix},
        {elements.inputs, Tag::input, kInputPrefix},
        {elements.polynomials, Tag::polynomial, kPolynomialPrefix},
        {elements.fractions, Tag::fraction, kFractionPrefix},
    };

    // Built first and added afterwards, keys before labels, so that every
    // label stands in front of its key.
    std::vector<std::shared_ptr<ui::Button>> keys;
    std::vector<std::shared_ptr<ui::Label>> labels;
    KeyGroups keyGroups;
    LabelGroups labelGroups;
    auto addElement = [&](const std::string& title, const std::string& text, long long tag, gfx::Color background,
                          std::vector<ui::Button*>& keyRow, std::vector<ui::Label*>& labelRow) {
        keys.push_back(makeIOKey(title, gfx::Color::clear(), kKeyPressedAction, s));
        labels.push_back(makeIOLabel(text, tag, background, s));
        keyRow.push_back(keys.back().get());
        labelRow.push_back(labels.back().get());
    };

    for (const ElementList& list : lists) {
        for (std::size_t a = 0; a < list.groups.size(); ++a) {
            auto& keyGroup = keyGroups.emplace_back();
            auto& labelGroup = labelGroups.emplace_back();
            for (std::size_t b = 0; b < list.groups[a].size(); ++b) {
                const ElementRow& row = list.groups[a][b];
                auto& keyRow = keyGroup.emplace_back();
                auto& labelRow = labelGroup.emplace_back();
                for (std::size_t c = 0; c < row.size(); ++c) {
                    const long long tag = viewTag(a, b, c, list.kind);
                    addElement(keyTitle(list.prefix, tag), row[c], tag, initialBackground(elements, list.kind, a, b, c),
                               keyRow, labelRow);
                }
                if (list.kind == Tag::polynomial) {
                    const long long tag = viewTag(a, b, row.size(), Tag::polynomial);
                    addElement(keyTitle(kPolynomialOptionPrefix, tag), kArrowDown, tag, kArrowColor, keyRow, labelRow);
                }
            }
        }
    }

    for (const auto& key : keys) addSubview(key);
    for (const auto& label : labels) addSubview(label);
    layoutIOViewKeys(keyGroups, labelGroups, elements.fractions.size());
}

void UniversalIntegerIOView::keyPressed(ui::Object* sender) {
    if (delegate_ != nullptr) delegate_->keyPressed(sender);
}

bool UniversalIntegerIOView::handleAction(const std::string& action, ui::Object* sender) {
    if (action != kKeyPressedAction) return ui::View::handleAction(action, sender);
    keyPressed(sender);
    return true;
}

std::shared_ptr<ui::Button> UniversalIntegerIOView::makeIOKey(const std::string& title, gfx::Color background,
                                                              const std::string& action, float fontSize) {
    auto key = std::make_shared<ui::Button>();
    key->setTitle(title);
    key->titleLabel().setFont(gfx::Font::system(static_cast<double>(fontSize)));
    key->titleLabel().setAdjustsFontSizeToFitWidth(true);
    key->setTranslatesAutoresizingMaskIntoConstraints(false);
    key->setBackgroundColor(background);
    key->setTitleColor(gfx::Color::black());
    key->addTarget(nullptr, action);
    return key;
}

std::shared_ptr<ui::Label> UniversalIntegerIOView::makeIOLabel(const std::string& text, long long tag,
                                                               gfx::Color background, float fontSize) {
    auto label = std::make_shared<ui::Label>();
    label->setFont(gfx::Font::system(static_cast<double>(fontSize), kLabelWeight));
    label->setTextColor(gfx::Color::black());
    label->setBackgroundColor(background);
    label->setTextAlignment(ui::TextAlignment::center);
    label->setAdjustsFontSizeToFitWidth(true);
    label->setBaselineAdjustment(ui::BaselineAdjustment::alignBaselines);
    label->setText(text);
    label->setTag(tag);
    label->setTranslatesAutoresizingMaskIntoConstraints(false);
    return label;
}

}  // namespace duolinear

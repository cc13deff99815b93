#include "keypads/UniversalIntegerPracticeIOView.h"

#include <functional>

#include "keypads/KeyTitles.h"
#include "keypads/KeypadStyle.h"
#include "layout/ViewTag.h"

namespace duolinear {

namespace {

// The "🤔" key's title is set far larger than the other texts.
constexpr float kThinkKeyFontSize = 120.0f;

// One kind of element: its lists, its tags and titles, and which of its
// elements (group a, row b, text c) start selected.
struct ElementKind {
    const ElementGroups& groups;
    Tag kind;
    std::string_view prefix;
    std::function<bool(std::size_t a, std::size_t b, std::size_t c)> startsSelected;
};

}  // namespace

UniversalIntegerPracticeIOView::UniversalIntegerPracticeIOView(const PracticeElements& elements, gfx::Rect frame)
    : ui::View(frame) {
    setTranslatesAutoresizingMaskIntoConstraints(false);
    setBackgroundColor(gfx::Color::clear());

    const float s = keypadFontSize();
    const ElementGroups levelBand = elements.levels.empty() ? ElementGroups{} : ElementGroups{{elements.levels}};
    const ElementKind kinds[] = {
        {elements.multiLine, Tag::multi_line, kMultiLinePrefix,
         [](std::size_t a, std::size_t b, std::size_t c) { return a == 0 && b == 0 && c == 0; }},
        {elements.options, Tag::option, kOptionPrefix,
         [&elements](std::size_t a, std::size_t b, std::size_t c) {
             return static_cast<int>(c) == initialOptionIndex(elements.options, elements.optionsSelections, a, b);
         }},
        {levelBand, Tag::level, kLevelPrefix, [](std::size_t, std::size_t, std::size_t c) { return c == 0; }},
    };

    // Built first and added afterwards, keys before labels, so that every
    // label stands in front of its key.
    std::vector<std::shared_ptr<ui::Button>> keys;
    std::vector<std::shared_ptr<ui::Label>> labels;
    KeyGroups keyBands;
    LabelGroups labelBands;
    for (const ElementKind& kind : kinds) {
        for (std::size_t a = 0; a < kind.groups.size(); ++a) {
            auto& keyBand = keyBands.emplace_back();
            auto& labelBand = labelBands.emplace_back();
            for (std::size_t b = 0; b < kind.groups[a].size(); ++b) {
                auto& keyRow = keyBand.emplace_back();
                auto& labelRow = labelBand.emplace_back();
                const ElementRow& row = kind.groups[a][b];
                for (std::size_t c = 0; c < row.size(); ++c) {
                    const long long tag = viewTag(a, b, c, kind.kind);
                    keys.push_back(UniversalIntegerIOView::makeIOKey(keyTitle(kind.prefix, tag), gfx::Color::clear(),
                                                                     kKeyPressedAction, s));
                    const gfx::Color background = kind.startsSelected(a, b, c) ? kSelectedColor : kUnselectedColor;
                    labels.push_back(makePracticeIOLabel(gfx::AttributedText(row[c]), tag, background, s));
                    keyRow.push_back(keys.back().get());
                    labelRow.push_back(labels.back().get());
                }
            }
        }
    }
    for (const auto& key : keys) addSubview(key);
    for (const auto& label : labels) addSubview(label);

    std::vector<ui::Label*> exampleLabels;
    for (std::size_t n = 0; n < elements.examples.size(); ++n) {
        auto label = makePracticeIOLabel(elements.examples[n], viewTag(0, 0, n, Tag::example), kUnselectedColor, s);
        exampleLabels.push_back(label.get());
        addSubview(label);
    }

    auto thinkKey = UniversalIntegerIOView::makeIOKey(std::string(kThinkKeyTitle), gfx::Color::clear(),
                                                      kKeyPressedAction, kThinkKeyFontSize);
    addSubview(thinkKey);

    layoutPracticeIOView(keyBands, labelBands, exampleLabels, *thinkKey);
}

void UniversalIntegerPracticeIOView::keyPressed(ui::Object* sender) {
    if (delegate_ != nullptr) delegate_->keyPressed(sender);
}

bool UniversalIntegerPracticeIOView::handleAction(const std::string& action, ui::Object* sender) {
    if (action != kKeyPressedAction) return ui::View::handleAction(action, sender);
    keyPressed(sender);
    return true;
}

std::shared_ptr<ui::Label> UniversalIntegerPracticeIOView::makePracticeIOLabel(const gfx::AttributedText& text,
                                                                               long long tag, gfx::Color background,
                                                                               float fontSize) {
    auto label = std::make_shared<ui::Label>();
    label->setFont(gfx::Font::system(static_cast<double>(fontSize)));
    label->setTextColor(gfx::Color::black());
    label->setBackgroundColor(background);
    label->setTextAlignment(ui::TextAlignment::center);
    label->setAdjustsFontSizeToFitWidth(true);
    label->setAttributedText(text);
    label->setTag(tag);
    label->setTranslatesAutoresizingMaskIntoConstraints(false);
    return label;
}

}  // namespace duolinear

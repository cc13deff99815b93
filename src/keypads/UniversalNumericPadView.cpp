#include "keypads/UniversalNumericPadView.h"

#include "keypads/KeyTitles.h"
#include "keypads/KeypadStyle.h"
#include "layout/drawing/BaseFontSize.h"

namespace duolinear {

UniversalNumericPadView::UniversalNumericPadView(gfx::Rect frame) : ui::View(frame) {
    setTranslatesAutoresizingMaskIntoConstraints(false);
    setBackgroundColor(gfx::Color::clear());

    auto container = std::make_shared<ui::View>();
    container->setTranslatesAutoresizingMaskIntoConstraints(false);
    container->setBackgroundColor(gfx::Color::clear());

    const float s = keypadFontSize();
    const auto think = static_cast<float>(1.5 * baseFontSize());
    const std::vector<std::vector<std::string>> titles = {
        {"7", "8", "9", std::string(kSignKeyTitle)},
        {"4", "5", "6", std::string(kClearKeyTitle)},
        {"1", "2", "3", std::string(kDeleteKeyTitle)},
        {"0", std::string(kPointKeyTitle), std::string(kThinkKeyTitle)},
    };
    const std::vector<std::vector<float>> fontSizes = {{s, s, s, s}, {s, s, s, s}, {s, s, s, s}, {s, s, think}};
    const std::vector<std::vector<float>> widthFactors = {
        {1.0f, 1.0f, 1.0f, 1.0f}, {1.0f, 1.0f, 1.0f, 1.0f}, {1.0f, 1.0f, 1.0f, 1.0f}, {1.0f, 0.5f, 0.5f}};
    std::vector<std::vector<gfx::Color>> backgrounds;
    for (const auto& row : titles) backgrounds.emplace_back(row.size(), kNumericKeyColor);

    const auto keys = makeKeyRows(titles, fontSizes, backgrounds, kKeyPressedAction);

    std::vector<std::shared_ptr<ui::View>> rowViews;
    for (std::size_t r = 0; r < titles.size(); ++r) {
        auto rowView = std::make_shared<ui::View>();
        rowView->setTranslatesAutoresizingMaskIntoConstraints(false);
        rowViews.push_back(rowView);
    }
    for (std::size_t r = 0; r < keys.size(); ++r) {
        for (const auto& key : keys[r]) rowViews[r]->addSubview(key);
        layoutKeysInRow(keys[r], widthFactors[r], *rowViews[r]);
        container->addSubview(rowViews[r]);
    }

    addSubview(container);
    layoutKeyRows(rowViews, *container);
    container->topAnchor().constraintEqualTo(topAnchor()).activate();
    container->bottomAnchor().constraintEqualTo(bottomAnchor()).activate();
    container->leadingAnchor().constraintEqualTo(leadingAnchor()).activate();
    container->trailingAnchor().constraintEqualTo(trailingAnchor()).activate();
}

void UniversalNumericPadView::keyPressed(ui::Object* sender) {
    if (delegate_ != nullptr) delegate_->keyPressed(sender);
}

bool UniversalNumericPadView::handleAction(const std::string& action, ui::Object* sender) {
    if (action != kKeyPressedAction) return ui::View::handleAction(action, sender);
    keyPressed(sender);
    return true;
}

std::vector<std::vector<std::shared_ptr<ui::Button>>> UniversalNumericPadView::makeKeyRows(
    const std::vector<std::vector<std::string>>& titles, const std::vector<std::vector<float>>& fontSizes,
    const std::vector<std::vector<gfx::Color>>& backgrounds, const std::string& action) {
    std::vector<std::vector<std::shared_ptr<ui::Button>>> rows;
    for (std::size_t r = 0; r < titles.size(); ++r) {
        std::vector<std::shared_ptr<ui::Button>> row;
        for (std::size_t k = 0; k < titles[r].size(); ++k) {
            auto key = std::make_shared<ui::Button>();
            key->setTitle(titles[r][k]);
            key->titleLabel().setFont(gfx::Font::system(static_cast<double>(fontSizes[r][k])));
            key->setTranslatesAutoresizingMaskIntoConstraints(false);
            key->setBackgroundColor(backgrounds[r][k]);
            key->setTitleColor(gfx::Color::black());
            key->addTarget(nullptr, action);
            row.push_back(key);
        }
        rows.push_back(row);
    }
    return rows;
}

void UniversalNumericPadView::layoutKeyRows(const std::vector<std::shared_ptr<ui::View>>& rowViews,
                                            ui::View& container) {
    const std::size_t n = rowViews.size();
    for (std::size_t i = 0; i < n; ++i) {
        ui::View& row = *rowViews[i];
        if (i == 0)
            row.topAnchor().constraintEqualTo(container.topAnchor()).activate();
        else
            row.topAnchor().constraintEqualTo(rowViews[i - 1]->bottomAnchor(), 1.0).activate();
        if (i + 1 == n)
            row.bottomAnchor().constraintEqualTo(container.bottomAnchor()).activate();
        else
            row.bottomAnchor().constraintEqualTo(rowViews[i + 1]->topAnchor(), -1.0).activate();
        row.leadingAnchor().constraintEqualTo(container.leadingAnchor()).activate();
        row.trailingAnchor().constraintEqualTo(container.trailingAnchor()).activate();
        if (i > 0) row.heightAnchor().constraintEqualTo(rowViews[0]->heightAnchor()).activate();
    }
}

void UniversalNumericPadView::layoutKeysInRow(const std::vector<std::shared_ptr<ui::Button>>& keys,
                                              const std::vector<float>& widthFactors, ui::View& rowView) {
    const std::size_t m = keys.size();
    for (std::size_t j = 0; j < m; ++j) {
        ui::Button& key = *keys[j];
        key.topAnchor().constraintEqualTo(rowView.topAnchor()).activate();
        key.bottomAnchor().constraintEqualTo(rowView.bottomAnchor()).activate();
        if (j == 0)
            key.leadingAnchor().constraintEqualTo(rowView.leadingAnchor()).activate();
        else
            key.leadingAnchor().constraintEqualTo(keys[j - 1]->trailingAnchor(), 1.0).activate();
        if (j + 1 == m)
            key.trailingAnchor().constraintEqualTo(rowView.trailingAnchor()).activate();
        else
            key.trailingAnchor().constraintEqualTo(keys[j + 1]->leadingAnchor(), -1.0).activate();
        if (j > 0 && j < widthFactors.size()) {
            const ui::Multiplier factor{static_cast<double>(widthFactors[j])};
            key.widthAnchor().constraintEqualTo(keys[0]->widthAnchor(), factor).activate();
        }
    }
}

}  // namespace duolinear

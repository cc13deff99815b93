// The layout of the practice fields view.
//
// From the top: the bands, 5 points apart; 10 points below the last band the
// example rows, 5 points apart; 5 points below them the "🤔" key, reaching
// the view's bottom, centred and as wide as its title. Every band and example
// row shares one height h, the height of the first key of the first band,
// and the "🤔" key is 2h high; so a view H high with N bands and E example
// rows has h = (H − 5·(N + E + 1)) / (N + E + 2). Within a band the rows stand
// side by side 10 points apart and the keys of a row 5 points apart, every
// key as wide as the band's first, the band spanning the whole width.
//
// Rows without keys and bands without rows take no place. Without bands the
// examples start at the view's top and take their height from the first
// example; without examples the "🤔" key stands 10 points below the last band.

#include "keypads/UniversalIntegerPracticeIOView.h"

namespace duolinear {

namespace {

using KeyRows = std::vector<std::vector<ui::Button*>>;

std::vector<KeyRows> bandsOf(const KeyGroups& keys) {
    std::vector<KeyRows> bands;
    for (const auto& group : keys) {
        KeyRows rows;
        for (const auto& row : group) {
            if (!row.empty()) rows.push_back(row);
        }
        if (!rows.empty()) bands.push_back(std::move(rows));
    }
    return bands;
}

void sameWidth(ui::View& view, ui::View& model) {
    if (&view != &model) view.widthAnchor().constraintEqualTo(model.widthAnchor()).activate();
}

void sameHeight(ui::View& view, ui::View& model) {
    if (&view != &model) view.heightAnchor().constraintEqualTo(model.heightAnchor()).activate();
}

// The view's top `gap` below the bottom of `above`, or at the container's
// top when nothing stands above it.
void pinTop(ui::View& view, ui::View* above, double gap, ui::View& container) {
    if (above == nullptr)
        view.topAnchor().constraintEqualTo(container.topAnchor()).activate();
    else
        view.topAnchor().constraintEqualTo(above->bottomAnchor(), gap).activate();
}

// The view's bottom `gap` above the top of `below`.
void pinBottom(ui::View& view, ui::View& below, double gap) {
    view.bottomAnchor().constraintEqualTo(below.topAnchor(), -gap).activate();
}

// The view's leading edge `gap` right of `left`, or at the container's
// leading edge; its trailing edge likewise.
void pinLeading(ui::View& view, ui::View* left, double gap, ui::View& container) {
    if (left == nullptr)
        view.leadingAnchor().constraintEqualTo(container.leadingAnchor()).activate();
    else
        view.leadingAnchor().constraintEqualTo(left->trailingAnchor(), gap).activate();
}

void pinTrailing(ui::View& view, ui::View* right, double gap, ui::View& container) {
    if (right == nullptr)
        view.trailingAnchor().constraintEqualTo(container.trailingAnchor()).activate();
    else
        view.trailingAnchor().constraintEqualTo(right->leadingAnchor(), -gap).activate();
}

}  // namespace

void UniversalIntegerPracticeIOView::layoutPracticeIOView(const KeyGroups& keys, const LabelGroups& labels,
                                                          const std::vector<ui::Label*>& exampleLabels,
                                                          ui::Button& thinkKey) {
    pinLabelsToKeys(keys, labels);

    const std::vector<KeyRows> bands = bandsOf(keys);
    auto first = [&](std::size_t i) -> ui::Button* { return bands[i].front().front(); };
    ui::Button* lastBand = bands.empty() ? nullptr : first(bands.size() - 1);
    ui::View* reference = !bands.empty()           ? static_cast<ui::View*>(first(0))
                          : !exampleLabels.empty() ? exampleLabels.front()
                                                   : nullptr;
    // What stands 10 points below the last band.
    ui::View& belowBands = exampleLabels.empty() ? static_cast<ui::View&>(thinkKey) : *exampleLabels.front();

    for (std::size_t i = 0; i < bands.size(); ++i) {
        const KeyRows& rows = bands[i];
        for (std::size_t j = 0; j < rows.size(); ++j) {
            const auto& row = rows[j];
            for (std::size_t k = 0; k < row.size(); ++k) {
                ui::Button& key = *row[k];
                pinTop(key, i > 0 ? first(i - 1) : nullptr, 5.0, *this);
                if (i + 1 < bands.size())
                    pinBottom(key, *first(i + 1), 5.0);
                else
                    pinBottom(key, belowBands, 10.0);

                // Keys of a row 5 points apart, rows 10 points apart.
                if (k > 0)
                    pinLeading(key, row[k - 1], 5.0, *this);
                else
                    pinLeading(key, j > 0 ? rows[j - 1].back() : nullptr, 10.0, *this);
                if (k + 1 < row.size())
                    pinTrailing(key, row[k + 1], 5.0, *this);
                else
                    pinTrailing(key, j + 1 < rows.size() ? rows[j + 1].front() : nullptr, 10.0, *this);

                sameWidth(key, *first(i));
                sameHeight(key, *reference);
            }
        }
    }

    for (std::size_t n = 0; n < exampleLabels.size(); ++n) {
        ui::Label& example = *exampleLabels[n];
        if (n > 0)
            pinTop(example, exampleLabels[n - 1], 5.0, *this);
        else
            pinTop(example, lastBand, 10.0, *this);
        ui::View& below = n + 1 < exampleLabels.size() ? *exampleLabels[n + 1] : static_cast<ui::View&>(thinkKey);
        pinBottom(example, below, 5.0);
        pinLeading(example, nullptr, 0.0, *this);
        pinTrailing(example, nullptr, 0.0, *this);
        sameHeight(example, *reference);
    }

    if (!exampleLabels.empty())
        pinTop(thinkKey, exampleLabels.back(), 5.0, *this);
    else
        pinTop(thinkKey, lastBand, 10.0, *this);
    thinkKey.bottomAnchor().constraintEqualTo(bottomAnchor()).activate();
    thinkKey.centerXAnchor().constraintEqualTo(centerXAnchor()).activate();
    if (reference != nullptr) {
        thinkKey.heightAnchor().constraintEqualTo(reference->heightAnchor(), ui::Multiplier{2.0}).activate();
    }
}

}  // namespace duolinear

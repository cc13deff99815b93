// The band layout of the entry fields view.
//
// One band per group, stacked top to bottom 5 points apart with no margin at
// the view's top and bottom; within a band the rows stand side by side 10
// points apart and a row's elements 5 points apart, with no margin at the
// sides. All elements of a band are as wide as its first one, and every
// one-level band is as high as the first element of the first band (H).
// Fraction bands have two levels: a numerator over a denominator, or a whole
// part beside them spanning both levels.

#include <algorithm>

#include "keypads/UniversalIntegerIOView.h"

namespace duolinear {

namespace {

using KeyRows = std::vector<std::vector<ui::Button*>>;

struct Band {
    KeyRows rows;  // non-empty rows only
    bool fraction = false;
};

// Groups without elements take no band: the neighbouring bands are tied to
// each group's first element, which such a group does not have.
std::vector<Band> bandsOf(const KeyGroups& keyGroups, std::size_t fractionGroups) {
    std::vector<Band> bands;
    const std::size_t firstFraction = keyGroups.size() - std::min(fractionGroups, keyGroups.size());
    for (std::size_t g = 0; g < keyGroups.size(); ++g) {
        Band band;
        band.fraction = g >= firstFraction;
        for (const auto& row : keyGroups[g]) {
            if (!row.empty()) band.rows.push_back(row);
        }
        if (!band.rows.empty()) bands.push_back(std::move(band));
    }
    return bands;
}

void equalWidth(ui::View& view, ui::View& model) {
    if (&view != &model) view.widthAnchor().constraintEqualTo(model.widthAnchor()).activate();
}

class BandLayout {
public:
    BandLayout(ui::View& view, const std::vector<Band>& bands) : view_(view), bands_(bands) {
        for (const Band& band : bands_) hasOneLevelBands_ = hasOneLevelBands_ || !band.fraction;
    }

    void layOut() {
        for (std::size_t g = 0; g < bands_.size(); ++g) {
            if (bands_[g].fraction)
                layOutFractionBand(g);
            else
                layOutOneLevelBand(g);
        }
    }

private:
    ui::Button& first(std::size_t g) const { return *bands_[g].rows.front().front(); }
    ui::Button& firstOfAll() const { return first(0); }

    // The element whose bottom is the band's bottom: the first one, or in a
    // fraction band the last element of its first row (the denominator, or
    // the whole part's neighbour on the lower level), so that the next band
    // starts 5 points below the lower level.
    ui::Button& bottomElement(std::size_t g) const {
        return bands_[g].fraction ? *bands_[g].rows.front().back() : first(g);
    }

    void pinTop(ui::Button& key, std::size_t g) const {
        if (g == 0)
            key.topAnchor().constraintEqualTo(view_.topAnchor()).activate();
        else
            key.topAnchor().constraintEqualTo(bottomElement(g - 1).bottomAnchor(), 5.0).activate();
    }

    void pinBottom(ui::Button& key, std::size_t g) const {
        if (g + 1 == bands_.size())
            key.bottomAnchor().constraintEqualTo(view_.bottomAnchor()).activate();
        else
            key.bottomAnchor().constraintEqualTo(first(g + 1).topAnchor(), -5.0).activate();
    }

    void pinRowLeading(ui::Button& key, const KeyRows& rows, std::size_t b) const {
        if (b == 0)
            key.leadingAnchor().constraintEqualTo(view_.leadingAnchor()).activate();
        else
            key.leadingAnchor().constraintEqualTo(rows[b - 1].back()->trailingAnchor(), 10.0).activate();
    }

    void pinRowTrailing(ui::Button& key, const KeyRows& rows, std::size_t b) const {
        if (b + 1 == rows.size())
            key.trailingAnchor().constraintEqualTo(view_.trailingAnchor()).activate();
        else
            key.trailingAnchor().constraintEqualTo(rows[b + 1].front()->leadingAnchor(), -10.0).activate();
    }

    void layOutOneLevelBand(std::size_t g) const {
        const KeyRows& rows = bands_[g].rows;
        for (std::size_t b = 0; b < rows.size(); ++b) {
            const auto& row = rows[b];
            for (std::size_t c = 0; c < row.size(); ++c) {
                ui::Button& key = *row[c];
                pinTop(key, g);
                pinBottom(key, g);
                if (c == 0)
                    pinRowLeading(key, rows, b);
                else
                    key.leadingAnchor().constraintEqualTo(row[c - 1]->trailingAnchor(), 5.0).activate();
                if (c + 1 == row.size())
                    pinRowTrailing(key, rows, b);
                else
                    key.trailingAnchor().constraintEqualTo(row[c + 1]->leadingAnchor(), -5.0).activate();
                equalWidth(key, first(g));
                if (&key != &firstOfAll()) key.heightAnchor().constraintEqualTo(firstOfAll().heightAnchor()).activate();
            }
        }
    }

    void layOutFractionBand(std::size_t g) const {
        const KeyRows& rows = bands_[g].rows;
        for (std::size_t b = 0; b < rows.size(); ++b) {
            if (rows[b].size() == 2)
                layOutFractionPair(g, rows, b);
            else if (rows[b].size() == 3)
                layOutMixedFraction(g, rows, b);
        }
        // The band's height follows from its first row's shape: a fraction
        // over two levels is one H high per level, a whole part two H high.
        // Asked once per band, so that rows of mixed shapes agree.
        const std::size_t firstRowLength = rows.front().size();
        if (!hasOneLevelBands_ || (firstRowLength != 2 && firstRowLength != 3)) return;
        const ui::Multiplier factor{firstRowLength == 2 ? 1.0 : 2.0};
        first(g).heightAnchor().constraintEqualTo(firstOfAll().heightAnchor(), factor).activate();
    }

    // N over D.
    void layOutFractionPair(std::size_t g, const KeyRows& rows, std::size_t b) const {
        ui::Button& n = *rows[b][0];
        ui::Button& d = *rows[b][1];
        pinTop(n, g);
        n.bottomAnchor().constraintEqualTo(d.topAnchor(), -5.0).activate();
        pinRowLeading(n, rows, b);
        pinRowTrailing(n, rows, b);
        d.topAnchor().constraintEqualTo(n.bottomAnchor(), 5.0).activate();
        pinBottom(d, g);
        d.leadingAnchor().constraintEqualTo(n.leadingAnchor()).activate();
        d.trailingAnchor().constraintEqualTo(n.trailingAnchor()).activate();
        equalWidth(n, first(g));
        d.widthAnchor().constraintEqualTo(n.widthAnchor()).activate();
        n.heightAnchor().constraintEqualTo(d.heightAnchor()).activate();
    }

    // W beside N over D, W spanning both levels.
    void layOutMixedFraction(std::size_t g, const KeyRows& rows, std::size_t b) const {
        ui::Button& w = *rows[b][0];
        ui::Button& n = *rows[b][1];
        ui::Button& d = *rows[b][2];
        pinTop(w, g);
        pinBottom(w, g);
        pinRowLeading(w, rows, b);
        w.trailingAnchor().constraintEqualTo(n.leadingAnchor(), -5.0).activate();
        n.topAnchor().constraintEqualTo(w.topAnchor()).activate();
        n.bottomAnchor().constraintEqualTo(d.topAnchor(), -5.0).activate();
        n.leadingAnchor().constraintEqualTo(w.trailingAnchor(), 5.0).activate();
        pinRowTrailing(n, rows, b);
        d.topAnchor().constraintEqualTo(n.bottomAnchor(), 5.0).activate();
        d.bottomAnchor().constraintEqualTo(w.bottomAnchor()).activate();
        d.leadingAnchor().constraintEqualTo(n.leadingAnchor()).activate();
        d.trailingAnchor().constraintEqualTo(n.trailingAnchor()).activate();
        equalWidth(w, first(g));
        n.widthAnchor().constraintEqualTo(w.widthAnchor()).activate();
        n.heightAnchor().constraintEqualTo(d.heightAnchor()).activate();
    }

    ui::View& view_;
    const std::vector<Band>& bands_;
    bool hasOneLevelBands_ = false;
};

}  // namespace

void pinLabelsToKeys(const KeyGroups& keyGroups, const LabelGroups& labelGroups) {
    for (std::size_t g = 0; g < keyGroups.size() && g < labelGroups.size(); ++g) {
        for (std::size_t r = 0; r < keyGroups[g].size() && r < labelGroups[g].size(); ++r) {
            for (std::size_t e = 0; e < keyGroups[g][r].size() && e < labelGroups[g][r].size(); ++e) {
                ui::Button& key = *keyGroups[g][r][e];
                ui::Label& label = *labelGroups[g][r][e];
                label.topAnchor().constraintEqualTo(key.topAnchor()).activate();
                label.bottomAnchor().constraintEqualTo(key.bottomAnchor()).activate();
                label.leadingAnchor().constraintEqualTo(key.leadingAnchor()).activate();
                label.trailingAnchor().constraintEqualTo(key.trailingAnchor()).activate();
            }
        }
    }
}

void UniversalIntegerIOView::layoutIOViewKeys(const KeyGroups& keyGroups, const LabelGroups& labelGroups,
                                              std::size_t fractionGroups) {
    pinLabelsToKeys(keyGroups, labelGroups);
    const std::vector<Band> bands = bandsOf(keyGroups, fractionGroups);
    if (bands.empty()) return;
    BandLayout(*this, bands).layOut();
}

}  // namespace duolinear

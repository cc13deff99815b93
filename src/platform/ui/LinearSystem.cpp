#include "platform/ui/LinearSystem.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <queue>

namespace ui {

namespace {

// Coefficients below this are rounding noise of the elimination.
constexpr double coefficientEpsilon = 1e-9;
// Equations that miss by less than this (in points) hold.
constexpr double rhsTolerance = 1e-6;

}  // namespace

void LinearSystem::Scratch::add(std::size_t unknown, double amount) {
    if (!inUse[unknown]) {
        inUse[unknown] = true;
        used.push_back(unknown);
    }
    values[unknown] += amount;
}

std::vector<LinearSystem::Term> LinearSystem::Scratch::take() {
    std::sort(used.begin(), used.end());
    std::vector<Term> terms;
    terms.reserve(used.size());
    for (const std::size_t unknown : used) {
        terms.push_back({unknown, values[unknown]});
        values[unknown] = 0.0;
        inUse[unknown] = false;
    }
    used.clear();
    return terms;
}

LinearSystem::LinearSystem(std::size_t unknowns)
    : unknowns_(unknowns), rowOfPivot_(unknowns, kNoRow), scratch_(unknowns) {}

LinearSystem::AddResult LinearSystem::add(std::vector<double> coefficients, double rhs) {
    std::vector<Term> terms;
    for (std::size_t i = 0; i < coefficients.size() && i < unknowns_; ++i) {
        if (coefficients[i] != 0.0) terms.push_back({i, coefficients[i]});
    }
    return add(terms, rhs);
}

LinearSystem::AddResult LinearSystem::add(const std::vector<Term>& terms, double rhs) {
    for (const Term& term : terms) {
        if (term.unknown < unknowns_) scratch_.add(term.unknown, term.coefficient);
    }
    // Each kept row is zero in the pivots of the rows kept before it, so
    // clearing the pivot columns in the order the rows were kept clears them
    // all, and clearing one brings in only pivots of rows kept later. Only
    // the rows whose pivot the new row reaches are visited.
    std::priority_queue<std::size_t, std::vector<std::size_t>, std::greater<>> pending;
    for (const std::size_t unknown : scratch_.used) {
        if (rowOfPivot_[unknown] != kNoRow) pending.push(rowOfPivot_[unknown]);
    }
    std::size_t previous = kNoRow;
    while (!pending.empty()) {
        const std::size_t r = pending.top();
        pending.pop();
        if (r == previous) continue;
        previous = r;
        const Row& row = rows_[r];
        const double factor = scratch_.values[row.pivot];
        if (factor == 0.0) continue;
        for (const Term& term : row.terms) {
            scratch_.add(term.unknown, -factor * term.coefficient);
            const std::size_t later = rowOfPivot_[term.unknown];
            if (later != kNoRow && later > r) pending.push(later);
        }
        scratch_.values[row.pivot] = 0.0;
        rhs -= factor * row.rhs;
    }

    std::vector<Term> reduced = scratch_.take();
    std::size_t pivot = unknowns_;
    double largest = coefficientEpsilon;
    for (const Term& term : reduced) {
        if (std::abs(term.coefficient) > largest) {
            largest = std::abs(term.coefficient);
            pivot = term.unknown;
        }
    }
    if (pivot == unknowns_) {
        if (std::abs(rhs) <= rhsTolerance) return {Outcome::redundant, 0.0};
        return {Outcome::conflicting, rhs};
    }

    double scale = 0.0;
    for (const Term& term : reduced) {
        if (term.unknown == pivot) scale = term.coefficient;
    }
    Row kept{{}, rhs / scale, pivot};
    for (const Term& term : reduced) {
        const double c = term.unknown == pivot                              ? 1.0
                         : std::abs(term.coefficient) <= coefficientEpsilon ? 0.0
                                                                            : term.coefficient / scale;
        if (c != 0.0) kept.terms.push_back({term.unknown, c});
    }
    rowOfPivot_[pivot] = rows_.size();
    rows_.push_back(std::move(kept));
    return {Outcome::added, 0.0};
}

LinearSystem::Solution LinearSystem::solve(const std::vector<double>& fallback) const {
    // The dependence of each kept row on the free unknowns: reduce the rows
    // fully, last kept first, so that every row names only its pivot and
    // free unknowns. A row holds pivots of rows kept after it only, and those
    // are reduced already; their reduced forms hold no pivot but their own,
    // so each is subtracted once, with the row's own coefficient.
    std::vector<Row> reduced(rows_.size());
    Scratch scratch(unknowns_);
    for (std::size_t k = rows_.size(); k-- > 0;) {
        const Row& row = rows_[k];
        std::vector<std::pair<std::size_t, double>> later;  // (row, factor)
        double rhs = row.rhs;
        for (const Term& term : row.terms) {
            scratch.add(term.unknown, term.coefficient);
            const std::size_t r = rowOfPivot_[term.unknown];
            if (term.unknown != row.pivot && r != kNoRow) later.emplace_back(r, term.coefficient);
        }
        // The latest kept row first, as a reduction of all rows at once would.
        std::sort(later.begin(), later.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
        for (const auto& [r, factor] : later) {
            for (const Term& term : reduced[r].terms) scratch.add(term.unknown, -factor * term.coefficient);
            scratch.values[reduced[r].pivot] = 0.0;
            rhs -= factor * reduced[r].rhs;
        }
        reduced[k] = {scratch.take(), rhs, row.pivot};
    }

    Solution solution;
    solution.values.assign(unknowns_, 0.0);
    solution.determined.assign(unknowns_, false);
    for (std::size_t i = 0; i < unknowns_; ++i) {
        if (rowOfPivot_[i] == kNoRow) solution.values[i] = i < fallback.size() ? fallback[i] : 0.0;
    }
    for (const Row& row : reduced) {
        double value = row.rhs;
        bool determined = true;
        for (const Term& term : row.terms) {
            if (term.unknown == row.pivot || std::abs(term.coefficient) <= coefficientEpsilon) continue;
            determined = false;  // only free unknowns are left in a reduced row
            value -= term.coefficient * solution.values[term.unknown];
        }
        solution.values[row.pivot] = value;
        solution.determined[row.pivot] = determined;
    }
    return solution;
}

}  // namespace ui

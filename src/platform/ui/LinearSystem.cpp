#include "platform/ui/LinearSystem.h"

#include <cmath>

namespace ui {

namespace {

// Coefficients below this are rounding noise of the elimination.
constexpr double coefficientEpsilon = 1e-9;
// Equations that miss by less than this (in points) hold.
constexpr double rhsTolerance = 1e-6;

}  // namespace

LinearSystem::LinearSystem(std::size_t unknowns) : unknowns_(unknowns) {}

LinearSystem::AddResult LinearSystem::add(std::vector<double> coefficients, double rhs) {
    coefficients.resize(unknowns_, 0.0);
    // Each kept row is zero in the pivots of the rows kept before it, so one
    // pass in order clears every pivot column of the new row.
    for (const Row& row : rows_) {
        const double factor = coefficients[row.pivot];
        if (factor == 0.0) continue;
        for (std::size_t i = 0; i < unknowns_; ++i) {
            if (row.coefficients[i] != 0.0) coefficients[i] -= factor * row.coefficients[i];
        }
        coefficients[row.pivot] = 0.0;
        rhs -= factor * row.rhs;
    }

    std::size_t pivot = unknowns_;
    double largest = coefficientEpsilon;
    for (std::size_t i = 0; i < unknowns_; ++i) {
        if (std::abs(coefficients[i]) > largest) {
            largest = std::abs(coefficients[i]);
            pivot = i;
        }
    }
    if (pivot == unknowns_) {
        if (std::abs(rhs) <= rhsTolerance) return {Outcome::redundant, 0.0};
        return {Outcome::conflicting, rhs};
    }

    const double scale = coefficients[pivot];
    for (double& c : coefficients) {
        c = std::abs(c) <= coefficientEpsilon ? 0.0 : c / scale;
    }
    coefficients[pivot] = 1.0;
    rows_.push_back({std::move(coefficients), rhs / scale, pivot});
    return {Outcome::added, 0.0};
}

LinearSystem::Solution LinearSystem::solve(const std::vector<double>& fallback) const {
    std::vector<bool> isPivot(unknowns_, false);
    for (const Row& row : rows_) isPivot[row.pivot] = true;

    // The dependence of each kept row on the free unknowns: reduce the rows
    // fully, so that every row names only its pivot and free unknowns.
    std::vector<Row> reduced = rows_;
    for (std::size_t k = reduced.size(); k-- > 0;) {
        const Row& later = reduced[k];
        for (std::size_t j = 0; j < k; ++j) {
            Row& row = reduced[j];
            const double factor = row.coefficients[later.pivot];
            if (factor == 0.0) continue;
            for (std::size_t i = 0; i < unknowns_; ++i) {
                if (later.coefficients[i] != 0.0) row.coefficients[i] -= factor * later.coefficients[i];
            }
            row.coefficients[later.pivot] = 0.0;
            row.rhs -= factor * later.rhs;
        }
    }

    Solution solution;
    solution.values.assign(unknowns_, 0.0);
    solution.determined.assign(unknowns_, false);
    for (std::size_t i = 0; i < unknowns_; ++i) {
        if (!isPivot[i]) solution.values[i] = i < fallback.size() ? fallback[i] : 0.0;
    }
    for (const Row& row : reduced) {
        double value = row.rhs;
        bool determined = true;
        for (std::size_t i = 0; i < unknowns_; ++i) {
            if (i == row.pivot) continue;
            const double c = row.coefficients[i];
            if (std::abs(c) <= coefficientEpsilon) continue;
            determined = false;  // only free unknowns are left in a reduced row
            value -= c * solution.values[i];
        }
        solution.values[row.pivot] = value;
        solution.determined[row.pivot] = determined;
    }
    return solution;
}

}  // namespace ui

#pragma once
// A system of linear equations over a fixed number of unknowns, built one
// equation at a time. Each new equation is reduced against those kept so far:
// it is kept when it adds something, set aside as redundant when it follows
// from them, and refused as conflicting when it contradicts them. Solving
// gives every unknown a value; an unknown that the equations leave free takes
// a fallback value and is reported as undetermined.

#include <cstddef>
#include <vector>

namespace ui {

class LinearSystem {
public:
    enum class Outcome { added, redundant, conflicting };

    struct AddResult {
        Outcome outcome = Outcome::added;
        // For a conflicting equation: by how much it misses, given the others.
        double mismatch = 0.0;
    };

    struct Solution {
        std::vector<double> values;
        std::vector<bool> determined;
    };

    explicit LinearSystem(std::size_t unknowns);

    std::size_t unknowns() const { return unknowns_; }

    // Adds sum(coefficients[i] * x[i]) = rhs. coefficients has one entry per unknown.
    AddResult add(std::vector<double> coefficients, double rhs);

    // Solves the kept equations. Unknowns left free take fallback[i] (fallback
    // has one entry per unknown), and so do the unknowns that depend on them.
    Solution solve(const std::vector<double>& fallback) const;

private:
    struct Row {
        std::vector<double> coefficients;  // coefficient of the pivot is 1
        double rhs = 0.0;
        std::size_t pivot = 0;
    };

    std::size_t unknowns_;
    std::vector<Row> rows_;  // echelon form in the order kept
};

}  // namespace ui

#pragma once
// A system of linear equations over a fixed number of unknowns, built one
// equation at a time. Each new equation is reduced against those kept so far:
// it is kept when it adds something, set aside as redundant when it follows
// from them, and refused as conflicting when it contradicts them. Solving
// gives every unknown a value; an unknown that the equations leave free takes
// a fallback value and is reported as undetermined.
//
// Equations are kept sparse: reducing one touches only the kept equations
// that share an unknown with it, directly or through the equations it is
// reduced by. So equations that fall into independent groups (the views of a
// long menu, each placed from the one before) are in effect solved apart, and
// the work grows with the equations' reach rather than with the square of
// their number.

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

    // One coefficient of an equation.
    struct Term {
        std::size_t unknown = 0;
        double coefficient = 0.0;
    };

    explicit LinearSystem(std::size_t unknowns);

    std::size_t unknowns() const { return unknowns_; }

    // Adds sum(coefficients[i] * x[i]) = rhs. coefficients has one entry per unknown.
    AddResult add(std::vector<double> coefficients, double rhs);
    // Adds sum(coefficient * x[unknown]) = rhs over the terms; terms of one
    // unknown add up, terms of unknowns out of range are left out.
    AddResult add(const std::vector<Term>& terms, double rhs);

    // Solves the kept equations. Unknowns left free take fallback[i] (fallback
    // has one entry per unknown), and so do the unknowns that depend on them.
    Solution solve(const std::vector<double>& fallback) const;

private:
    static constexpr std::size_t kNoRow = static_cast<std::size_t>(-1);

    struct Row {
        std::vector<Term> terms;  // by unknown, no zeros; the pivot's coefficient is 1
        double rhs = 0.0;
        std::size_t pivot = 0;
    };

    // A dense row to reduce in, with the unknowns whose entries are in use.
    struct Scratch {
        std::vector<double> values;
        std::vector<bool> inUse;
        std::vector<std::size_t> used;

        explicit Scratch(std::size_t size) : values(size, 0.0), inUse(size, false) {}
        void add(std::size_t unknown, double amount);
        // The entries in use, by unknown, as terms (zeros included); then clear.
        std::vector<Term> take();
    };

    std::size_t unknowns_;
    std::vector<Row> rows_;                // echelon form in the order kept
    std::vector<std::size_t> rowOfPivot_;  // per unknown: the kept row it is the pivot of
    Scratch scratch_;
};

}  // namespace ui

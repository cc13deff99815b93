#pragma once
// The extended forms in which a term may multiply a bracketed group:
// Term, Ext_polynomial (a list of term groups) and Ext_polyEquation.
//
// In an Ext_polynomial the last group is the side's top-level sum; every other
// group is a bracketed group that a Term of a later group multiplies, naming it
// by its index. Groups are stored inner-first, so a group refers only to groups
// before it.

#include <cstdint>
#include <vector>

#include "algebra/Monomial.h"
#include "layout/Enumerations.h"

namespace duolinear {

// Whether a term multiplies a bracketed group, and which one.
struct SubExpression {
    bool multiplies = false;
    std::uint64_t index = 0;
};

// Built as Term{monomial, sub_exp} (black brackets) or with all three fields.
struct Term {
    Monomial monomial;
    SubExpression sub_exp;
    Color sub_exp_parenthesis_color = Color::black;
};

// One group of terms, and a side's groups; pooled like Monomials.
using ExtGroup = std::vector<Term, PooledStorage<Term>>;
using ExtGroups = std::vector<ExtGroup, PooledStorage<ExtGroup>>;

struct Ext_polynomial {
    ExtGroups terms;
};

struct Ext_polyEquation {
    Ext_polynomial LHS;
    Ext_polynomial RHS;
    Relation relation = Relation::equal_to;
    Color relation_color = Color::black;
};

// The extended polynomial made of the given groups.
Ext_polynomial wrapArray(ExtGroups groups);

// equals() of the monomials, and neither term multiplies a group: a term that
// multiplies a group equals no term, not even itself (hence no operator==).
bool equals(const Term& a, const Term& b);

}  // namespace duolinear

#pragma once
// Finding terms in a side with bracketed groups, in scan order: groups by
// ascending position, each group's terms in order.

#include <cstddef>
#include <optional>

#include "algebra/Term.h"

namespace duolinear {

struct ExtTermPosition {
    std::size_t group = 0;
    std::size_t index = 0;
};

// The position of the first term for which accept(term, position) holds.
template <typename Predicate>
std::optional<ExtTermPosition> firstExtTermWhere(const Ext_polynomial& side, Predicate accept) {
    for (std::size_t g = 0; g < side.terms.size(); ++g) {
        for (std::size_t i = 0; i < side.terms[g].size(); ++i) {
            const ExtTermPosition position{g, i};
            if (accept(side.terms[g][i], position)) return position;
        }
    }
    return std::nullopt;
}

inline const Term& extTermAt(const Ext_polynomial& side, const ExtTermPosition& position) {
    return side.terms[position.group][position.index];
}

// Whether the term multiplies a group placed before the group that holds it,
// the only kind of bracket a well-formed side has.
inline bool namesEarlierGroup(const Term& term, const ExtTermPosition& position) {
    return term.sub_exp.multiplies && term.sub_exp.index < position.group;
}

}  // namespace duolinear

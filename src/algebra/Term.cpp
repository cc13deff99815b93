#include "algebra/Term.h"

#include <utility>

namespace duolinear {

Ext_polynomial wrapArray(ExtGroups groups) {
    return Ext_polynomial{std::move(groups)};
}

bool equals(const Term& a, const Term& b) {
    return equals(a.monomial, b.monomial) && !a.sub_exp.multiplies && !b.sub_exp.multiplies;
}

}  // namespace duolinear

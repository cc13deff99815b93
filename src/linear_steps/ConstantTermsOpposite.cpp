#include "linear_steps/ConstantTermsOpposite.h"

#include "algebra/EquationTransforms.h"
#include "linear_steps/TermEdits.h"

namespace duolinear {

namespace {

bool holdsBothKinds(const Terms& side) {
    return holdsVariableTerm(side) && holdsConstantTerm(side);
}

// The equation with the two sides put back in their places.
PolyEquation placed(bool sourceOnLeft, const Terms& source, const Terms& destination, Relation relation) {
    return sourceOnLeft ? PolyEquation{source, destination, relation} : PolyEquation{destination, source, relation};
}

}  // namespace

std::optional<ConstantMove> moveConstantTermsOpposite(Technique technique, bool highlight,
                                                      const PolyEquation& equation) {
    const PolyEquation black = recoloredEquation(Color::black, Color::black, Color::black, equation);
    const bool sourceOnLeft = holdsBothKinds(black.LHS.terms);
    if (!sourceOnLeft && !holdsBothKinds(black.RHS.terms)) return ConstantMove{black, black, black, false};

    const Terms& source = sourceOnLeft ? black.LHS.terms : black.RHS.terms;
    const Terms& destination = sourceOnLeft ? black.RHS.terms : black.LHS.terms;
    const std::size_t iS = firstConstantTermIndex(source);
    const std::size_t iD = firstConstantTermIndex(destination);

    const Terms markedSource = withMarkedTerm(source, iS, highlight, false);
    std::optional<Monomial> moved = negatedNumeratorTerm(source[iS]);
    if (!moved) return std::nullopt;
    moved = markedTerm(*moved, highlight, false);
    const Terms sourceAfter =
        technique == Technique::transpose ? withoutTerm(source, iS) : withTermAfter(source, iS, *moved);
    const Terms destinationAfter = withTermAfter(destination, iD, *moved);

    const Relation relation = equation.relation;
    const PolyEquation movedEquation = placed(sourceOnLeft, sourceAfter, destinationAfter, relation);
    return ConstantMove{placed(sourceOnLeft, markedSource, destination, relation), movedEquation,
                        recoloredEquation(Color::black, Color::black, Color::black, movedEquation), true};
}

}  // namespace duolinear

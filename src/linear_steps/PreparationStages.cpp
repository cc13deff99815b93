// The stages that prepare the equation before any term moves: "simplify",
// "combine simple like terms", "clear fractions" / "clear decimals" and
// "combine like terms".

#include <optional>
#include <string>
#include <utility>

#include "algebra/AlgebraLayouts.h"
#include "algebra/EquationTransforms.h"
#include "algebra/TextFunctions.h"
#include "linear_steps/ClearingMessage.h"
#include "linear_steps/LinearClassification.h"
#include "linear_steps/LinearStages.h"

namespace duolinear {

namespace {

bool vetoesReduce(Step_exclusions exclusions) {
    return exclusions == Step_exclusions::reduce || exclusions == Step_exclusions::reduce_and_clear;
}

bool vetoesClear(Step_exclusions exclusions) {
    return exclusions == Step_exclusions::clear || exclusions == Step_exclusions::reduce_and_clear;
}

// Whether some two terms of the side are like (simple: whole coefficients
// only), that is whether combining merges anything.
bool hasLikeTerms(bool simple, const Polynomial& side) {
    const Monomials& terms = side.terms;
    for (std::size_t i = 0; i < terms.size(); ++i) {
        for (std::size_t j = i + 1; j < terms.size(); ++j) {
            if (areLikeTerms(terms[j], terms[i], simple)) return true;
        }
    }
    return false;
}

// One of the two combining stages; simple merges whole coefficients only.
Outcome<Done> combineStage(LinearWork& work, bool simple, const char* comment) {
    // Only a merge can fail or change the equation.
    if (!hasLikeTerms(simple, work.current.LHS) && !hasLikeTerms(simple, work.current.RHS)) {
        return Outcome<Done>::nothing();
    }
    std::optional<CombinedEquation> combined = combineLikeTermsBothSides(simple, work.current);
    if (!combined) return Outcome<Done>::failure();
    if (!combined->changed) return Outcome<Done>::nothing();
    if (work.showing()) {
        work.derivation.push_back(work.inStyle(work.current));
        work.addStepLazily([&work, equation = combined->equation] { return linesOf(work.inStyle(equation)); }, comment);
    }
    work.current = std::move(combined->equation);
    return Outcome<Done>::done();
}

// The equation becomes next, shown (when steps are) as a "simplify" step
// below the derivation so far.
void simplifyTo(LinearWork& work, PolyEquation next) {
    if (work.showing()) {
        const std::size_t shown = work.derivation.size();
        work.derivation.push_back(work.inStyle(work.current));
        work.addStepLazilyBelow(
            shown,
            [&work, current = std::move(work.current), next] {
                return linesOf(work.inStyle(current), work.inStyle(next));
            },
            "simplify");
    }
    work.current = std::move(next);
}

}  // namespace

Outcome<Done> simplifyStage(LinearWork& work, Step_exclusions exclusions) {
    if (vetoesReduce(exclusions) || !eitherSideNeedsReducing(work.current)) return Outcome<Done>::nothing();
    std::optional<PolyEquation> next = reduceBothSides(work.current);
    if (!next) return Outcome<Done>::failure();
    simplifyTo(work, std::move(*next));
    return Outcome<Done>::done();
}

Outcome<Done> combineSimpleLikeTermsStage(LinearWork& work) {
    return combineStage(work, true, "combine simple like terms");
}

Outcome<Done> clearFractionsStage(LinearWork& work) {
    const Step_exclusions laterExclusions = classifyLinearEquation(work.style, work.current);
    if (!work.clearFractions || vetoesClear(laterExclusions) || !eitherSideHasFractions(work.current)) {
        return Outcome<Done>::nothing();
    }
    std::optional<std::int64_t> factor = lcmOfDenominators(work.current);
    if (!factor) return Outcome<Done>::failure();
    std::optional<PolyEquation> cleared;
    if (work.style == Style::decimal) {
        if (std::optional<ClearedDecimals> byPlaces = clearedByPlacesShown(work.current, *factor)) {
            factor = byPlaces->factor;
            cleared = std::move(byPlaces->equation);
        }
    }
    if (!cleared) cleared = clearFractionsBothSides(work.current);
    if (!cleared) return Outcome<Done>::failure();
    // A factor of 1 (denominators of -1, or decimals whole in value) clears
    // nothing, but the numbers may read otherwise once cleared (-47/-1 as 47):
    // that shows as "simplify", as the fraction style shows it.
    if (*factor == 1) {
        if (work.showing() && work.inStyle(work.current) != work.inStyle(*cleared)) {
            simplifyTo(work, std::move(*cleared));
        } else {
            work.current = std::move(*cleared);
        }
        return Outcome<Done>::done();
    }

    // Named by the factor: only a power of ten clears decimals.
    const bool decimals = work.style == Style::decimal && isPowerOfTenText(std::to_string(*factor));
    if (work.showing()) {
        // The equation cleared joins the derivation above the step's lines
        // and then moves into them.
        const std::size_t shown = work.derivation.size();
        work.derivation.push_back(work.inStyle(work.current));
        work.derivation.push_back(clearedEquationLayout(*factor, Color::black, work.current, work.style));
        work.addStepLazilyBelow(
            shown,
            [&work, current = std::move(work.current), cleared = *cleared, factor = *factor] {
                const Color mark = work.marking();
                StepLines lines =
                    linesOf(work.inStyle(recolorDenominatorsBothSides(mark, current)),
                            clearedEquationLayout(factor, mark, current, work.style), work.inStyle(cleared));
                appendLinesTo(lines, blankLayouts(2));
                lines.push_back(messageLayout(clearingMessage(work.style, factor)));
                return lines;
            },
            decimals ? "clear decimals" : "clear fractions");
    }
    work.current = std::move(*cleared);
    return Outcome<Done>::done();
}

Outcome<Done> combineLikeTermsStage(LinearWork& work) {
    return combineStage(work, false, "combine like terms");
}

}  // namespace duolinear

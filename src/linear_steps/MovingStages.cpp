// The stages that move terms across the relation: the variable terms to one
// side, then the constant term to the other.

#include <optional>
#include <utility>

#include "algebra/EquationTransforms.h"
#include "linear_steps/ConstantTermsOpposite.h"
#include "linear_steps/LinearStages.h"
#include "linear_steps/TransposeAdvice.h"

namespace duolinear {

namespace {

PolyEquation inBlack(const PolyEquation& equation) {
    return recoloredEquation(Color::black, Color::black, Color::black, equation);
}

}  // namespace

Outcome<Done> termsToOneSideStage(LinearWork& work) {
    const std::optional<TransposeAdvice> advice =
        transposeAdvice(work.technique, work.highlight, work.method, work.current, *work.random);
    if (!advice) return Outcome<Done>::failure();
    if (!advice->moved) return Outcome<Done>::nothing();
    if (advice->equations.empty()) return Outcome<Done>::failure();  // a move always shows its equations

    if (work.showing()) {
        work.addStepLazily(
            [&work, advice = *advice] {
                StepLines lines;
                lines.reserve(advice.equations.size() + 1);
                for (const PolyEquation& equation : advice.equations) lines.push_back(work.inStyle(equation));
                lines.push_back(messageLayout(advice.advice));
                return lines;
            },
            std::string(1, work.letter) + " terms to one side");

        for (std::size_t i = 0; i + 1 < advice->equations.size(); ++i) {
            work.derivation.push_back(work.inStyle(inBlack(advice->equations[i])));
        }
    }
    work.current = inBlack(advice->equations.back());
    return Outcome<Done>::done();
}

Outcome<Done> constantTermsOppositeStage(LinearWork& work) {
    const std::optional<ConstantMove> move = moveConstantTermsOpposite(work.technique, work.highlight, work.current);
    if (!move) return Outcome<Done>::failure();
    if (!move->didMove) return Outcome<Done>::nothing();
    std::optional<CombinedEquation> next = combineLikeTermsBothSides(false, move->plainMoved);
    if (!next) return Outcome<Done>::failure();

    if (work.showing()) {
        work.addStepLazily(
            [&work, marked = move->marked, moved = move->moved, combined = next->equation] {
                return linesOf(work.inStyle(marked), work.inStyle(moved), work.inStyle(combined));
            },
            std::string("constant terms opposite to ") + work.letter);
        work.derivation.push_back(work.inStyle(work.current));
        work.derivation.push_back(work.inStyle(move->plainMoved));
    }
    work.current = std::move(next->equation);
    return Outcome<Done>::done();
}

}  // namespace duolinear

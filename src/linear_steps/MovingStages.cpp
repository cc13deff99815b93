// The stages that move terms across the relation: the variable terms to one
// side, then the constant term to the other.

#include <optional>

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

    StepLines lines = work.derivation;
    for (const PolyEquation& equation : advice->equations) lines.push_back(work.inStyle(equation));
    lines.push_back(messageLayout(advice->advice));
    work.worked.append(std::move(lines), std::string(1, work.letter) + " terms to one side");

    for (std::size_t i = 0; i + 1 < advice->equations.size(); ++i) {
        work.derivation.push_back(work.inStyle(inBlack(advice->equations[i])));
    }
    work.current = inBlack(advice->equations.back());
    return Outcome<Done>::done();
}

Outcome<Done> constantTermsOppositeStage(LinearWork& work) {
    const std::optional<ConstantMove> move = moveConstantTermsOpposite(work.technique, work.highlight, work.current);
    if (!move) return Outcome<Done>::failure();
    if (!move->didMove) return Outcome<Done>::nothing();
    const std::optional<CombinedEquation> next = combineLikeTermsBothSides(false, move->plainMoved);
    if (!next) return Outcome<Done>::failure();

    work.worked.append(
        work.derivationWith({work.inStyle(move->marked), work.inStyle(move->moved), work.inStyle(next->equation)}),
        std::string("constant terms opposite to ") + work.letter);
    work.derivation.push_back(work.inStyle(work.current));
    work.derivation.push_back(work.inStyle(move->plainMoved));
    work.current = next->equation;
    return Outcome<Done>::done();
}

}  // namespace duolinear

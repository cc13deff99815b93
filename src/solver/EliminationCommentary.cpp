#include "solver/EliminationCommentary.h"

#include <cstdint>
#include <cstdlib>
#include <string>

#include "algebra/AlgebraLayouts.h"
#include "algebra/Checked.h"
#include "algebra/EquationTransforms.h"
#include "algebra/IntegerFunctions.h"

namespace duolinear {

namespace {

// The equation in gray, but the numerator of the eliminated term in black.
TagLayout highlightedEquation(const PolyEquation& equation, std::size_t eliminatedTerm) {
    PolyEquation gray = recoloredEquation(Color::gray, Color::gray, Color::gray, equation);
    gray.LHS.terms[eliminatedTerm].coefficient.numerator_color = Color::black;
    return equationLayout(gray, Style::fraction);
}

std::string decimal(std::int64_t n) {
    return std::to_string(n);
}

bool isUnit(std::int64_t k) {
    return k == 1 || k == -1;
}

std::string multiplyOrFine(const char* ordinal, std::int64_t k, bool multiply) {
    if (multiply) return std::string("multiply ") + ordinal + " equation by " + decimal(k);
    return std::string(ordinal) + " equation is fine";
}

}  // namespace

Outcome<SolverFrame> eliminationCommentary(const SolverFacts& facts) {
    using Result = Outcome<SolverFrame>;
    const Duolinear_method method = facts.choices.method;
    if (method == Duolinear_method::substitution) return Result::nothing();
    const WholeCoefficients& w = facts.whole;

    const bool eliminateX = facts.choices.variable == Duolinear_variable::x;
    const std::string v = eliminateX ? "x" : "y";
    const std::string other = eliminateX ? "y" : "x";
    const std::int64_t c1 = eliminateX ? w.a1 : w.b1;
    const std::int64_t c2 = eliminateX ? w.a2 : w.b2;
    const std::optional<EliminationMultipliers>& m = facts.multipliers;
    const CheckedInt scaled1 = checkedMultiply(c1, m ? CheckedInt{m->k1} : std::nullopt);
    const CheckedInt scaled2 = checkedMultiply(c2, m ? CheckedInt{m->k2} : std::nullopt);
    const bool withLCM = facts.choices.use_LCM == Duolinear_LCM::LCM;
    const std::optional<std::int64_t> commonMultiple = withLCM ? lcm(c1, c2) : std::optional<std::int64_t>{0};
    if (!m || !scaled1 || !scaled2 || !commonMultiple) return Result::failure();
    const std::int64_t k1 = m->k1;
    const std::int64_t k2 = m->k2;
    const bool add = method == Duolinear_method::addition || !m->sameSign;
    const std::string operation = add ? "ADD" : "SUBTRACT";

    const std::size_t eliminatedTerm = eliminateX ? 0 : 1;
    StepLines lines = linesOf(highlightedEquation(facts.system.equations[0], eliminatedTerm),
                              highlightedEquation(facts.system.equations[1], eliminatedTerm));
    lines.push_back(messageLayout("eliminate " + v + " to find " + other + "\nusing " +
                                  (withLCM ? "the LCM" : "smart multiply") + "\n"));
    lines.push_back(messageLayout(v + "-coefficients: " + decimal(c1) + " and " + decimal(c2) + "\n" +
                                  (isUnit(k1) && isUnit(k2) ? "same" : "different") + " absolute values\n" +
                                  (m->sameSign ? "same" : "opposite") + " sign" +
                                  (withLCM ? ", LCM is " + decimal(*commonMultiple) : "") + "\n"));

    if (k1 == 1 && k2 == 1) {
        lines.push_back(messageLayout("both equations are fine\n\n" + operation + " THE EQUATIONS"));
        return Result::of({std::move(lines), {"commentary"}});
    }
    if (isUnit(k1) && isUnit(k2)) {
        // One of them is -1: only that one is multiplied.
        lines.push_back(messageLayout(multiplyOrFine("1st", k1, k1 == -1), Color::red));
        lines.push_back(messageLayout(multiplyOrFine("2nd", k2, k2 == -1), Color::blue));
    } else {
        lines.push_back(messageLayout(multiplyOrFine("1st", k1, k1 != 1), Color::red));
        lines.push_back(messageLayout(multiplyOrFine("2nd", k2, k2 != 1), Color::blue));
    }
    lines.push_back(messageLayout("\n" + v + "-coefficients: " + decimal(*scaled1) + " and " + decimal(*scaled2) +
                                  "\nSAME ABSOLUTE VALUES\n" + (add ? "OPPOSITE" : "SAME") + " SIGN\n\n" + operation +
                                  " THE EQUATIONS"));
    return Result::of({std::move(lines), {"commentary"}});
}

}  // namespace duolinear

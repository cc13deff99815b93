#include "solver/Classification.h"

#include <utility>

#include "algebra/AlgebraLayouts.h"
#include "solver/Determinants.h"

namespace duolinear {

namespace {

// letter = value, the coefficient 1 of the letter left undrawn.
TagLayout valueLine(char letter, const Rational& value) {
    return equationLayout(solvedForEquation(letter, value), Style::fraction);
}

Layouts verdictLines(Layouts body) {
    Layouts lines = blankLayouts(2);
    for (TagLayout& line : body) lines.push_back(std::move(line));
    return lines;
}

}  // namespace

std::optional<TagLayout> commonLineTags(const Duolinear& /*system*/, const PolyEquation& equation) {
    const std::optional<PolyEquation> line = commonLineEquation(equation);
    if (!line) return std::nullopt;
    return equationLayout(*line, Style::fraction);
}

std::optional<DuolinearClassification> classifyDuolinearSystem(const Duolinear& system) {
    const std::optional<DuolinearVerdict> verdict = systemVerdict(system);
    if (!verdict) return std::nullopt;

    DuolinearClassification result;
    result.type = verdict->type;
    switch (verdict->type) {
        case Duolinear_solution_type::one:
            result.x = verdict->x;
            result.y = verdict->y;
            result.lines =
                verdictLines(linesOf(messageLayout("one solution"), valueLine('x', *verdict->x),
                                     valueLine('y', *verdict->y), messageLayout("graphs are nonparallel lines")));
            break;
        case Duolinear_solution_type::infinite: {
            std::optional<TagLayout> commonLine = commonLineTags(system, system.equations[0]);
            if (!commonLine) return std::nullopt;
            result.lines = verdictLines(linesOf(messageLayout("infinite solutions"),
                                                messageLayout("graphs are the same line"), std::move(*commonLine)));
            break;
        }
        case Duolinear_solution_type::none:
            result.lines = verdictLines(
                linesOf(messageLayout("no solution"), messageLayout("graphs are distinct parallel lines")));
            break;
    }
    return result;
}

}  // namespace duolinear

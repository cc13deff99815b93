#pragma once
// Builders and readers for the solver tests: a system or an equation from
// integers, the facts the driver works out for it, and the message texts,
// blank lines and captions of its steps.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "algebra/Equation.h"
#include "algebra/Monomial.h"
#include "layout/TagLayout.h"
#include "solver/DuolinearSystem.h"
#include "solver/SolverFacts.h"
#include "support/EquationBuilders.h"

namespace duolinear::testing {

inline Duolinear integerSystem(std::int64_t a1, std::int64_t b1, std::int64_t c1, std::int64_t a2, std::int64_t b2,
                               std::int64_t c2) {
    return Duolinear{{row(a1, b1, c1), row(a2, b2, c2)}};
}

// The facts of a system with whole coefficients whose classification fits in
// 64 bits, as the driver hands them to the steps.
inline SolverFacts factsOf(const Duolinear& system, const SolverChoices& choices = {}) {
    const std::optional<WholeCoefficients> whole = wholeCoefficients(system);
    EXPECT_TRUE(whole.has_value());
    std::optional<SolverFacts> facts = whole ? solverFacts(system, *whole, choices) : std::nullopt;
    EXPECT_TRUE(facts.has_value());
    return facts ? std::move(*facts) : SolverFacts{system, choices, {}, {}, std::nullopt};
}

// The text of a line that is a single message item; "" otherwise.
inline std::string messageText(const TagLayout& line) {
    if (line.size() == 4 && line[1].size() == 2 && line[1][0] == "message") return std::string(line[1][1]);
    return "";
}

inline bool isBlankLine(const TagLayout& line) {
    return line.size() == 2 && line[1].size() == 1 && line[1][0] == "BLANK";
}

// Every message of the line as "text|colour", in row order.
inline std::vector<std::string> messagePieces(const TagLayout& line) {
    std::vector<std::string> pieces;
    for (std::size_t i = 1; i + 1 < line.size(); ++i) {
        if (line[i].size() == 2 && line[i][0] == "message")
            pieces.push_back(std::string(line[i][1]) + "|" + std::string(line[i + 1][1]));
    }
    return pieces;
}

// The messages of the line joined into one text.
inline std::string lineText(const TagLayout& line) {
    std::string text;
    for (std::size_t i = 1; i < line.size(); ++i) {
        if (line[i].size() == 2 && line[i][0] == "message") text += line[i][1];
    }
    return text;
}

// The first comment line of every step.
inline std::vector<std::string> captions(const StepComments& comments) {
    std::vector<std::string> result;
    for (const auto& lines : comments) result.push_back(lines.empty() ? "" : lines.front());
    return result;
}

}  // namespace duolinear::testing

#pragma once
// Equations for the quadratic tests written as text, "2x^2 - 5x - 3 = 0",
// "1/2y^2 = 2", "0.3x^2 < 0.5x": terms joined by " + " and " - ", each an
// optional coefficient (whole, n/d or decimal, kept as written: 0.3 is 3/10,
// 2/4 stays 2/4, 1/-1 keeps its denominator -1) with an optional letter and
// power; a relation between the
// sides. And a worked solution read back as one "caption: line | line" text
// per step (QuadraticReading.h), so that a test states whole solutions.

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "QuadraticReading.h"
#include "algebra/AlgebraLayouts.h"
#include "algebra/Equation.h"
#include "algebra/Rational.h"
#include "linear_steps/LinearEquationSteps.h"
#include "linear_steps/WorkedSteps.h"

namespace duolinear::testing {

inline Monomial parseTerm(const std::string& text, bool negative) {
    std::size_t i = 0;
    while (i < text.size() && (std::isdigit(static_cast<unsigned char>(text[i])) || text[i] == '.' || text[i] == '/' ||
                               (text[i] == '-' && i > 0 && text[i - 1] == '/'))) {
        ++i;
    }
    Rational coefficient{1, 1};
    const std::string number = text.substr(0, i);
    if (const std::size_t bar = number.find('/'); bar != std::string::npos) {
        coefficient = Rational{std::stoll(number.substr(0, bar)), std::stoll(number.substr(bar + 1))};
    } else if (!number.empty()) {
        coefficient = *rationalFromDecimalText(number);
    }
    if (negative) coefficient.numerator = -coefficient.numerator;
    if (i == text.size()) return Monomial{coefficient, 0};
    const char letter = text[i];
    const std::uint64_t power = i + 2 < text.size() && text[i + 1] == '^' ? std::stoull(text.substr(i + 2)) : 1;
    return Monomial{coefficient, power, letter};
}

inline Polynomial parseSide(const std::string& text) {
    std::istringstream words(text);
    Monomials terms;
    std::string word;
    bool negative = false;
    while (words >> word) {
        if (word == "+" || word == "-") {
            negative = word == "-";
        } else {
            if (word.front() == '-') {
                negative = !negative;
                word.erase(0, 1);
            }
            terms.push_back(parseTerm(word, negative));
            negative = false;
        }
    }
    return Polynomial{std::move(terms)};
}

inline PolyEquation parseEquation(const std::string& text) {
    const std::pair<std::string, Relation> relations[] = {{" = ", Relation::equal_to},
                                                          {" < ", Relation::less_than},
                                                          {" > ", Relation::greater_than},
                                                          {" ≤ ", Relation::less_than_or_equal_to},
                                                          {" ≥ ", Relation::greater_than_or_equal_to}};
    for (const auto& [symbol, relation] : relations) {
        if (const std::size_t at = text.find(symbol); at != std::string::npos) {
            return PolyEquation{parseSide(text.substr(0, at)), parseSide(text.substr(at + symbol.size())), relation};
        }
    }
    ADD_FAILURE() << "no relation in " << text;
    return {};
}

// "caption: line | line | ...", one text per step (several comment lines
// joined by " / ").
inline std::vector<std::string> readSteps(const WorkedSteps& worked, bool marks = false) {
    std::vector<std::string> out;
    EXPECT_EQ(worked.steps.size(), worked.comments.size());
    for (std::size_t i = 0; i < worked.steps.size() && i < worked.comments.size(); ++i) {
        std::string text;
        for (const std::string& comment : worked.comments[i]) text += (text.empty() ? "" : " / ") + comment;
        const std::vector<std::string> lines = readLines(worked.steps[i], marks);
        for (std::size_t k = 0; k < lines.size(); ++k) text += (k == 0 ? ": " : " | ") + lines[k];
        out.push_back(text);
    }
    return out;
}

// The linear step engine's own steps for the equation, as the quadratic
// methods hand it on (transpose, no highlight, no frames), each read with the
// carried lines (when there are any) in front: the expected middle of a linear
// finish, whatever the engine's wording.
inline std::vector<std::string> linearEngineSteps(const std::string& carried, const std::string& equation,
                                                  Style style = Style::fraction) {
    const WorkedSteps worked = linearEquationSteps(
        parseEquation(equation),
        {.technique = Technique::transpose, .skipOpeningFrame = true, .style = style, .method = Method::smart});
    std::vector<std::string> steps = readSteps(worked, true);
    if (carried.empty()) return steps;
    for (std::string& step : steps) step.insert(step.find(": ") + 2, carried + " | ");
    return steps;
}

// The lists joined in order.
inline std::vector<std::string> concat(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> out;
    for (const auto& part : parts) out.insert(out.end(), part.begin(), part.end());
    return out;
}

}  // namespace duolinear::testing

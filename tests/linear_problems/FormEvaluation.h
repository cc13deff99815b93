#pragma once
// Test-side answers for linear equation models, worked out without the form
// table or the step engine: the spaced form is read by itself
// ("a + b(cx + d(ex + f)) ? g") and each side collected into k·x + m with
// exact fractions. Also turns a problem's input list into a model, as nothing
// in the program does.

#include <cstdint>
#include <map>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "linear_problems/LinearEquationModel.h"
#include "support/LayoutReading.h"

namespace duolinear::testing {

// An exact fraction in lowest terms with a positive denominator.
struct Q {
    std::int64_t n = 0, d = 1;
    static Q of(std::int64_t n, std::int64_t d = 1) {
        const std::int64_t g = std::gcd(n, d) * (d < 0 ? -1 : 1);
        return Q{n / g, d / g};
    }
    friend Q operator+(Q a, Q b) { return of(a.n * b.d + b.n * a.d, a.d * b.d); }
    friend Q operator*(Q a, Q b) { return of(a.n * b.n, a.d * b.d); }
    friend bool operator==(Q, Q) = default;
};

struct LinearValue {
    Q k, m;  // k·x + m
};

// sum := term ("+" term)*, term := letter ["x"] ["(" sum ")"]; blanks skipped.
// Reads from text at pos up to "?", ")" or the end.
inline LinearValue readSum(const std::string& text, std::size_t& pos, const std::map<char, Rational>& values) {
    LinearValue total;
    const auto skip = [&] {
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == '+')) ++pos;
    };
    for (skip(); pos < text.size() && text[pos] != '?' && text[pos] != ')'; skip()) {
        const Rational r = values.at(text[pos++]);
        Q k = Q::of(r.numerator, r.denominator);
        LinearValue term{Q{}, k};
        if (pos < text.size() && text[pos] == 'x') ++pos, term = {k, Q{}};
        if (pos < text.size() && text[pos] == '(') {
            const LinearValue inner = readSum(text, ++pos, values);
            ++pos;  // ")"
            term = {k * inner.k, k * inner.m};
        }
        total = {total.k + term.k, total.m + term.m};
    }
    return total;
}

// left − right of the model's equation as k·x + m.
inline LinearValue collected(const LinearEquationModel& model) {
    std::size_t pos = 0;
    const LinearValue left = readSum(model.format, pos, model.coefficients_LHS);
    ++pos;  // "?"
    const LinearValue right = readSum(model.format, pos, model.coefficients_RHS);
    const Q minusOne = Q::of(-1);
    return {left.k + minusOne * right.k, left.m + minusOne * right.m};
}

// The closing line that the model's solution must end with, from k·x + m REL 0:
// "x REL value" in the fraction style (3, -3, [5/2], -[5/2]), the relation
// reversed for a negative k, or the verdict when x cancels.
inline std::string expectedAnswerLine(const LinearEquationModel& model) {
    const LinearValue v = collected(model);
    const Relation rel = model.relation;
    if (v.k.n == 0) {
        const std::int64_t m = v.m.n;
        const bool holds = rel == Relation::equal_to                ? m == 0
                           : rel == Relation::less_than             ? m < 0
                           : rel == Relation::greater_than          ? m > 0
                           : rel == Relation::less_than_or_equal_to ? m <= 0
                                                                    : m >= 0;
        return holds ? "TRUE, solution is all values of variable" : "FALSE, no solution";
    }
    const Q x = Q::of(-v.m.n * v.k.d, v.m.d * v.k.n);
    const std::string size = x.d == 1 ? std::to_string(std::abs(x.n))
                                      : "[" + std::to_string(std::abs(x.n)) + "/" + std::to_string(x.d) + "]";
    const Relation answer = v.k.n < 0 ? reversedRelation(rel) : rel;
    return "x " + rawValue(answer) + " " + (x.n < 0 ? "-" : "") + size;
}

// The last line of the last step, as text.
inline std::string answerLine(const LinearWorkedSolution& solution) {
    if (solution.steps.empty() || solution.steps.back().empty()) return "<no step>";
    return readLayout(solution.steps.back().back());
}

// An input list as one text, its entries joined by "|".
inline std::string joinedInputs(const std::vector<std::string>& inputs) {
    std::string joined;
    for (const std::string& text : inputs) joined += (joined.empty() ? "" : "|") + text;
    return joined;
}

// The pairs before "RHS:" give the form's left letters in the order they
// stand, those after it the right letters; the spaced form is the last text.
inline LinearEquationModel modelFromInputs(const std::vector<std::string>& inputs, Relation relation,
                                           Technique technique, Style style, Method method) {
    LinearEquationModel model{inputs.back(), {}, {}, relation, technique, style, method};
    std::map<char, Rational>* side = &model.coefficients_LHS;
    std::size_t next = 0;
    for (char c : model.format) {
        if (c == '?') {
            EXPECT_EQ(inputs.at(next++), "RHS:") << model.format;
            side = &model.coefficients_RHS;
        } else if (c >= 'a' && c <= 'i') {
            (*side)[c] = Rational{std::stoll(inputs.at(next)), std::stoll(inputs.at(next + 1))};
            next += 2;
        }
    }
    EXPECT_EQ(next + 1, inputs.size()) << model.format;
    return model;
}

}  // namespace duolinear::testing

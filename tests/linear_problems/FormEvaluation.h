#pragma once
// Test-side reading of an equation form, independent of the form table: the
// spaced form is parsed by itself ("a + b(cx + d(ex + f)) ? g") and each side
// collected into k·x + m with exact fractions, so that a test can work out
// the answer of a model on its own. Also turns a problem's input list into a
// model, as nothing in the program does, and reads the answer line of a
// worked solution.

#include <cctype>
#include <cstdint>
#include <map>
#include <numeric>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "linear_problems/LinearEquationModel.h"
#include "linear_steps/LayoutReading.h"

namespace duolinear::testing {

// An exact fraction, kept in lowest terms with a positive denominator.
struct Q {
    std::int64_t n = 0;
    std::int64_t d = 1;

    static Q of(std::int64_t n, std::int64_t d = 1) {
        if (d < 0) n = -n, d = -d;
        const std::int64_t g = std::gcd(n, d);
        return g > 1 ? Q{n / g, d / g} : Q{n, d};
    }
    friend Q operator+(Q a, Q b) { return of(a.n * b.d + b.n * a.d, a.d * b.d); }
    friend Q operator-(Q a, Q b) { return of(a.n * b.d - b.n * a.d, a.d * b.d); }
    friend Q operator*(Q a, Q b) { return of(a.n * b.n, a.d * b.d); }
    friend Q operator/(Q a, Q b) { return of(a.n * b.d, a.d * b.n); }
    friend bool operator==(Q a, Q b) = default;
};

// k·x + m.
struct LinearValue {
    Q k;
    Q m;
};

// A recursive-descent reading of one side: sum := term ("+" term)*,
// term := letter ["x"] ["(" sum ")"]. Blanks are skipped.
class SideReader {
public:
    SideReader(std::string_view text, const std::map<char, Q>& values) : text_(text), values_(values) {}

    std::optional<LinearValue> read() {
        std::optional<LinearValue> value = sum();
        skipBlanks();
        if (pos_ != text_.size()) return std::nullopt;
        return value;
    }

private:
    void skipBlanks() {
        while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
    }
    bool accept(char c) {
        skipBlanks();
        if (pos_ < text_.size() && text_[pos_] == c) return ++pos_, true;
        return false;
    }
    std::optional<LinearValue> sum() {
        std::optional<LinearValue> total = term();
        while (total && accept('+')) {
            const std::optional<LinearValue> next = term();
            if (!next) return std::nullopt;
            total = LinearValue{total->k + next->k, total->m + next->m};
        }
        return total;
    }
    std::optional<LinearValue> term() {
        skipBlanks();
        if (pos_ >= text_.size()) return std::nullopt;
        const auto found = values_.find(text_[pos_++]);
        if (found == values_.end()) return std::nullopt;
        const Q coefficient = found->second;
        const bool hasX = accept('x');
        if (accept('(')) {
            const std::optional<LinearValue> inner = sum();
            if (!inner || hasX || !accept(')')) return std::nullopt;  // x times a bracket is not linear
            return LinearValue{coefficient * inner->k, coefficient * inner->m};
        }
        return hasX ? LinearValue{coefficient, Q{}} : LinearValue{Q{}, coefficient};
    }

    std::string_view text_;
    const std::map<char, Q>& values_;
    std::size_t pos_ = 0;
};

// The letters a to i of a text, in the order they stand.
inline std::vector<char> lettersOf(std::string_view text) {
    std::vector<char> letters;
    for (char c : text) {
        if (c >= 'a' && c <= 'i') letters.push_back(c);
    }
    return letters;
}

inline std::map<char, Q> valuesOf(const std::map<char, Rational>& coefficients) {
    std::map<char, Q> values;
    for (const auto& [letter, r] : coefficients) values[letter] = Q::of(r.numerator, r.denominator);
    return values;
}

// left − right of the model's equation as k·x + m.
inline std::optional<LinearValue> collected(const LinearEquationModel& model) {
    const std::size_t slot = model.format.find('?');
    if (slot == std::string::npos) return std::nullopt;
    const std::map<char, Q> left = valuesOf(model.coefficients_LHS);
    const std::map<char, Q> right = valuesOf(model.coefficients_RHS);
    const std::optional<LinearValue> l = SideReader(std::string_view(model.format).substr(0, slot), left).read();
    const std::optional<LinearValue> r = SideReader(std::string_view(model.format).substr(slot + 1), right).read();
    if (!l || !r) return std::nullopt;
    return LinearValue{l->k - r->k, l->m - r->m};
}

// The value as the closing step writes it in the fraction style: 3, -3,
// [5/2], -[5/2].
inline std::string answerValueText(Q value) {
    if (value.d == 1) return std::to_string(value.n);
    const std::string sign = value.n < 0 ? "-" : "";
    return sign + "[" + std::to_string(value.n < 0 ? -value.n : value.n) + "/" + std::to_string(value.d) + "]";
}

// The answer line that the model's solution must end with, worked out from
// k·x + m REL 0: "x REL value" (the relation reversed for a negative k) or
// the verdict when x cancels.
inline std::string expectedAnswerLine(const LinearEquationModel& model) {
    const std::optional<LinearValue> v = collected(model);
    if (!v) return "<form not readable>";
    if (v->k.n == 0) {
        const std::int64_t m = v->m.n;  // m REL 0 holds for every x or for none
        bool holds = false;
        switch (model.relation) {
            case Relation::equal_to:
                holds = m == 0;
                break;
            case Relation::less_than:
                holds = m < 0;
                break;
            case Relation::greater_than:
                holds = m > 0;
                break;
            case Relation::less_than_or_equal_to:
                holds = m <= 0;
                break;
            case Relation::greater_than_or_equal_to:
                holds = m >= 0;
                break;
        }
        return holds ? "TRUE, solution is all values of variable" : "FALSE, no solution";
    }
    const Relation relation = v->k.n < 0 ? reversedRelation(model.relation) : model.relation;
    return "x " + rawValue(relation) + " " + answerValueText(Q{} - v->m / v->k);
}

// The last line of the last step, as text.
inline std::string answerLine(const LinearWorkedSolution& solution) {
    if (solution.steps.empty() || solution.steps.back().empty()) return "<no step>";
    return readLayout(solution.steps.back().back());
}

// A model made from a problem's input list: the pairs before "RHS:" give the
// form's left letters in the order they stand, those after it the right
// letters; the spaced form is the last text.
inline std::optional<LinearEquationModel> modelFromInputs(const std::vector<std::string>& inputs, Relation relation,
                                                          Technique technique, Style style, Method method) {
    if (inputs.empty()) return std::nullopt;
    LinearEquationModel model{inputs.back(), {}, {}, relation, technique, style, method};
    const std::size_t slot = model.format.find('?');
    if (slot == std::string::npos) return std::nullopt;
    const std::vector<char> left = lettersOf(model.format.substr(0, slot));
    const std::vector<char> right = lettersOf(model.format.substr(slot + 1));
    const std::size_t marker = 2 * left.size();
    if (inputs.size() != marker + 2 * right.size() + 2 || inputs[marker] != "RHS:") return std::nullopt;
    const auto pair = [&](std::size_t at) { return Rational{std::stoll(inputs[at]), std::stoll(inputs[at + 1])}; };
    for (std::size_t i = 0; i < left.size(); ++i) model.coefficients_LHS[left[i]] = pair(2 * i);
    for (std::size_t i = 0; i < right.size(); ++i) model.coefficients_RHS[right[i]] = pair(marker + 1 + 2 * i);
    return model;
}

}  // namespace duolinear::testing

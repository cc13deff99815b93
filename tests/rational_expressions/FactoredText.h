#pragma once
// Factored polynomials written as text, for the tests of this folder.
//
// A polynomial is its groups in brackets, "[x^2, -1] [1(0)(1)^2]": a term is
// an optional numerator (with sign) and "/denominator", an optional letter
// x, y or z with "^power", then its factors, each "(group)" with an optional
// "^power". "-x" is −1·x; a letter with "^0" is a constant in that letter.
// text() writes the same form back; with a mark colour, a term whose four
// colours are all that colour and a factor whose two are, carry a leading
// '*'. readLayout() reads a layout back as one line, as support/LayoutReader.h
// does but with "^" as a^b and items in the mark colour as *...* (a layout
// without rows as "(no rows)"). valueOf() evaluates a polynomial at a point
// by following its pointers.

#include <cctype>
#include <cmath>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

#include "algebra/FactoredPolynomial.h"
#include "algebra/Outcome.h"
#include "layout/TagLayout.h"
#include "support/LayoutReader.h"

namespace duolinear::testing {

class FactoredParser {
public:
    explicit FactoredParser(std::string text) : text_(std::move(text)) {}

    Polynomial_XL polynomial() {
        Polynomial_XL result;
        skipBlanks();
        while (pos_ < text_.size()) {
            expect('[');
            result.terms.emplace_back();
            skipBlanks();
            while (peek() != ']') {
                result.terms.back().push_back(term());
                skipBlanks();
                if (peek() == ',') ++pos_;
                skipBlanks();
            }
            expect(']');
            skipBlanks();
        }
        return result;
    }

private:
    char peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
    void skipBlanks() {
        while (peek() == ' ') ++pos_;
    }
    void expect(char c) {
        if (peek() != c) throw std::invalid_argument("expected '" + std::string(1, c) + "' in " + text_);
        ++pos_;
    }
    // Unsigned, so that "-9223372036854775808" reads as the least value.
    std::optional<std::uint64_t> number() {
        const std::size_t start = pos_;
        while (std::isdigit(static_cast<unsigned char>(peek()))) ++pos_;
        if (pos_ == start) return std::nullopt;
        return std::stoull(text_.substr(start, pos_ - start));
    }

    Term_XL term() {
        Term_XL t;
        bool negative = false;
        if (peek() == '-') {
            negative = true;
            ++pos_;
        }
        const std::optional<std::uint64_t> n = number();
        const std::uint64_t numerator = n.value_or(1);
        std::int64_t denominator = 1;
        if (peek() == '/') {
            ++pos_;
            const bool negativeDenominator = peek() == '-';
            if (negativeDenominator) ++pos_;
            denominator = static_cast<std::int64_t>(number().value());
            if (negativeDenominator) denominator = -denominator;
        }
        t.monomial.exponent = 0;
        if (peek() == 'x' || peek() == 'y' || peek() == 'z') {
            t.monomial.variable = text_[pos_++];
            t.monomial.exponent = 1;
            if (peek() == '^') {
                ++pos_;
                t.monomial.exponent = static_cast<std::uint64_t>(number().value());
            }
        } else if (!n) {
            throw std::invalid_argument("a term needs a number or a letter in " + text_);
        }
        t.monomial.coefficient = Rational{static_cast<std::int64_t>(negative ? 0 - numerator : numerator), denominator};
        while (peek() == '(') {
            ++pos_;
            Factor f{static_cast<std::uint64_t>(number().value()), 1};
            expect(')');
            if (peek() == '^') {
                ++pos_;
                f.exponent = static_cast<std::uint64_t>(number().value());
            }
            t.factors.push_back(f);
        }
        return t;
    }

    std::string text_;
    std::size_t pos_ = 0;
};

inline Polynomial_XL xl(const std::string& text) {
    return FactoredParser(text).polynomial();
}

inline std::string text(const Term_XL& t, std::optional<Color> mark = std::nullopt) {
    const Monomial& m = t.monomial;
    const Rational& c = m.coefficient;
    std::string out;
    if (mark && c.numerator_color == *mark && c.denominator_color == *mark && c.bar_color == *mark &&
        m.variable_color == *mark) {
        out += "*";
    }
    const bool unit = c.denominator == 1 && (c.numerator == 1 || c.numerator == -1);
    if (m.exponent > 0 && unit) {
        out += c.numerator < 0 ? "-" : "";
    } else {
        out += std::to_string(c.numerator);
        if (c.denominator != 1) out += "/" + std::to_string(c.denominator);
    }
    if (m.exponent > 0) out += std::string(1, m.variable);
    if (m.exponent > 1 || (m.exponent == 0 && m.variable != 'x')) {
        out += (m.exponent == 0 ? std::string(1, m.variable) : "") + "^" + std::to_string(m.exponent);
    }
    for (const Factor& f : t.factors) {
        if (mark && f.parenthesis_color == *mark && f.exponent_color == *mark) out += "*";
        out += "(" + std::to_string(f.pointer) + ")";
        if (f.exponent != 1) out += "^" + std::to_string(f.exponent);
    }
    return out;
}

inline std::string text(const Monomial& m, std::optional<Color> mark = std::nullopt) {
    return text(Term_XL{m, {}}, mark);
}

inline std::string text(const Polynomial_XL& p, std::optional<Color> mark = std::nullopt) {
    std::string out;
    for (const std::vector<Term_XL>& group : p.terms) {
        out += out.empty() ? "[" : " [";
        for (std::size_t i = 0; i < group.size(); ++i) out += (i > 0 ? ", " : "") + text(group[i], mark);
        out += "]";
    }
    return out;
}

template <typename T>
std::string text(const std::optional<T>& value, std::optional<Color> mark = std::nullopt) {
    return value ? text(*value, mark) : "none";
}

// "failed", "nothing" or the value.
template <typename T>
std::string text(const Outcome<T>& outcome, std::optional<Color> mark = std::nullopt) {
    if (outcome.failed) return "failed";
    return outcome.value ? text(*outcome.value, mark) : "nothing";
}

// The reading of support/LayoutReader.h with one mark colour: items in it
// as *...*, a stacked fraction by its numerator's colour, only the opening
// bracket of a unary item marked, and "^" joins as a^b.
class FactoredReader : public LayoutReader {
public:
    FactoredReader(const TagLayout& layout, std::optional<Color> mark)
        : LayoutReader(layout, mark.has_value()), mark_(mark) {}

protected:
    std::string marked(const std::string& text, const std::string& color) const override {
        return mark_ && color == rawValue(*mark_) ? "*" + text + "*" : text;
    }
    std::string fractionColor(const TagRow& colors) const override { return at(colors, 2); }
    std::string unary(const std::string& brackets, const std::string& inside, const std::string& color) const override {
        return marked(brackets.substr(0, 1), color) + inside + brackets.substr(1);
    }
    std::string power(const std::string& base, const std::string& exponent, const std::string& color) const override {
        return base + marked("^", color) + exponent;
    }

private:
    std::optional<Color> mark_;
};

// The value of one group at x (every test polynomial points back, so the
// recursion ends).
inline double valueOf(const Polynomial_XL& p, std::size_t group, double x) {
    double sum = 0;
    for (const Term_XL& t : p.terms.at(group)) {
        const Rational& c = t.monomial.coefficient;
        double term = static_cast<double>(c.numerator) / static_cast<double>(c.denominator) *
                      std::pow(x, static_cast<double>(t.monomial.exponent));
        for (const Factor& f : t.factors) term *= std::pow(valueOf(p, f.pointer, x), static_cast<double>(f.exponent));
        sum += term;
    }
    return sum;
}

inline std::string readLayout(const TagLayout& layout, std::optional<Color> mark = std::nullopt) {
    return layout.empty() ? "(no rows)" : FactoredReader(layout, mark).read();
}

}  // namespace duolinear::testing

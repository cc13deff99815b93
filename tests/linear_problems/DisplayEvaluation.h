#pragma once
// Test-side reading of a problem's display line, without the generator's
// pieces: "-3/4(2x − 5) = 7/2", "( 1/2 )x − 3/4 < 9/7 + ( 5/6 )x",
// "3.7x − 0.04 = 21x + 0.9" and "2 + 3(x − (4x − 5)) ≥ -6" read as
// left − right = k·x + m, to set beside what the input list says.
//
//   sum    := term (("+" | "−") term)*
//   term   := ["-"] factor factor*          factors multiply
//   factor := number ["/" number] | "x" | "(" sum ")"
//   number := digits ["." digits]

#include <optional>
#include <string>

#include "FormEvaluation.h"

namespace duolinear::testing {

class DisplayReader {
public:
    explicit DisplayReader(std::string text) : text_(std::move(text)) {}

    // left − right, or no value when the text does not read to the end or a
    // product is not linear.
    std::optional<LinearValue> equation(const std::string& relation) {
        const std::optional<LinearValue> left = sum();
        if (!left || !skip(" " + relation + " ")) return std::nullopt;
        const std::optional<LinearValue> right = sum();
        if (!right || pos_ != text_.size()) return std::nullopt;
        return LinearValue{left->k + Q::of(-1) * right->k, left->m + Q::of(-1) * right->m};
    }

private:
    bool skip(const std::string& piece) {
        if (text_.compare(pos_, piece.size(), piece) != 0) return false;
        pos_ += piece.size();
        return true;
    }
    bool digitNext() const { return pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9'; }

    Q number() {
        std::int64_t n = 0, d = 1;
        for (; digitNext(); ++pos_) n = n * 10 + (text_[pos_] - '0');
        if (skip("."))
            for (; digitNext(); ++pos_) n = n * 10 + (text_[pos_] - '0'), d *= 10;
        return Q::of(n, d);
    }

    std::optional<LinearValue> factor() {
        if (skip("x")) return LinearValue{Q::of(1), Q{}};
        if (skip("(")) {
            skip(" ");
            const std::optional<LinearValue> inner = sum();
            skip(" ");
            if (!inner || !skip(")")) return std::nullopt;
            return inner;
        }
        if (!digitNext()) return std::nullopt;
        Q value = number();
        if (skip("/")) {
            if (!digitNext()) return std::nullopt;
            value = value * Q::of(1, number().n);
        }
        return LinearValue{Q{}, value};
    }

    std::optional<LinearValue> term() {
        const bool negative = skip("-");
        std::optional<LinearValue> product = factor();
        while (product && pos_ < text_.size() && (text_[pos_] == 'x' || text_[pos_] == '(' || digitNext())) {
            const std::optional<LinearValue> next = factor();
            if (!next || (product->k != Q{} && next->k != Q{})) return std::nullopt;
            product = LinearValue{product->k * next->m + product->m * next->k, product->m * next->m};
        }
        if (product && negative) product = LinearValue{Q::of(-1) * product->k, Q::of(-1) * product->m};
        return product;
    }

    std::optional<LinearValue> sum() {
        std::optional<LinearValue> total = term();
        while (total) {
            Q sign;
            if (skip(" + "))
                sign = Q::of(1);
            else if (skip(" \u2212 "))
                sign = Q::of(-1);
            else
                break;
            const std::optional<LinearValue> next = term();
            if (!next) return std::nullopt;
            total = LinearValue{total->k + sign * next->k, total->m + sign * next->m};
        }
        return total;
    }

    std::string text_;
    std::size_t pos_ = 0;
};

}  // namespace duolinear::testing

#include "quadratic/RootLayout.h"

#include <cstdint>
#include <string>

#include "algebra/AlgebraLayouts.h"
#include "algebra/Checked.h"
#include "algebra/IntegerFunctions.h"
#include "algebra/Rational.h"
#include "layout/JoinTexts.h"
#include "quadratic/DecimalRoot.h"

namespace duolinear {

namespace {

const Rational kZero{0, 1};
const Rational kOne{1, 1};
const Rational kMinusOne{-1, 1};

TagLayout number(std::int64_t n) {
    return messageLayout(std::to_string(n));
}

// A coefficient as a plain number, or a stacked fraction when its denominator is not 1.
TagLayout coefficient(const Rational& r) {
    return rationalLayout(r, false, Style::fraction);
}

TagLayout radical(std::int64_t c) {
    return unaryLayout("√", number(c));
}

std::optional<TagLayout> decimalRoot(const Quadratic_solution& root) {
    const std::optional<std::string> text = decimalRootText(root);
    if (!text) return std::nullopt;
    return messageLayout(*text);
}

std::optional<TagLayout> fractionRoot(const Quadratic_solution& root) {
    const Rational& a = root.a;
    const Rational& b = root.b;
    if (a.denominator == 0 || b.denominator == 0) return std::nullopt;
    if (equals(b, kZero)) return coefficient(a);
    const bool aIsZero = equals(a, kZero);
    if (!aIsZero) {
        if (equals(b, kOne)) return joinLayouts(kPlusJoin, coefficient(a), radical(root.c));
        if (equals(b, kMinusOne)) return joinLayouts(kMinusJoin, coefficient(a), radical(root.c));
        if (rationalSignClass(b).value_or(false)) {
            const std::optional<Rational> magnitude = negatedRational(b);
            if (!magnitude) return std::nullopt;
            return joinLayouts(kMinusJoin, coefficient(a),
                               joinLayouts(kJuxtaposeJoin, coefficient(*magnitude), radical(root.c)));
        }
        return joinLayouts(kPlusJoin, coefficient(a), joinLayouts(kJuxtaposeJoin, coefficient(b), radical(root.c)));
    }
    if (equals(b, kOne)) return radical(root.c);
    if (equals(b, kMinusOne)) return unaryLayout("-", radical(root.c));
    return joinLayouts(kJuxtaposeJoin, coefficient(b), radical(root.c));
}

std::optional<TagLayout> commonDenominatorRoot(const Quadratic_solution& root) {
    const Rational& a = root.a;
    const Rational& b = root.b;
    if (a.denominator == 0 || b.denominator == 0) return std::nullopt;
    const std::optional<std::int64_t> L = lcm(a.denominator, b.denominator);
    if (!L) return std::nullopt;
    const CheckedInt p = checkedMultiply(a.numerator, checkedDivide(*L, a.denominator));
    const CheckedInt q = checkedMultiply(b.numerator, checkedDivide(*L, b.denominator));
    if (!p || !q) return std::nullopt;
    if (*q == 0) return rationalLayout(a, false, Style::rational_fraction);

    TagLayout numerator;
    if (*p == 0 && *q == 1) {
        numerator = radical(root.c);
    } else if (*p == 0 && *q == -1) {
        numerator = unaryLayout("-", radical(root.c));
    } else if (*p == 0) {
        numerator = joinLayouts(kJuxtaposeJoin, number(*q), radical(root.c));
    } else if (*q == 1) {
        numerator = joinLayouts(kPlusJoin, number(*p), radical(root.c));
    } else if (*q == -1) {
        numerator = joinLayouts(kMinusJoin, number(*p), radical(root.c));
    } else {
        const CheckedInt size = checkedAbs(*q);
        if (!size) return std::nullopt;
        numerator = joinLayouts(*q < 0 ? kMinusJoin : kPlusJoin, number(*p),
                                joinLayouts(kJuxtaposeJoin, number(*size), radical(root.c)));
    }
    if (*L == 1) return numerator;
    return joinLayouts(kFractionJoin, numerator, number(*L));
}

}  // namespace

std::optional<TagLayout> rootLayout(const Quadratic_solution& root, Style style) {
    switch (style) {
        case Style::decimal:
            return decimalRoot(root);
        case Style::fraction:
            return fractionRoot(root);
        case Style::rational_fraction:
            return commonDenominatorRoot(root);
    }
    return std::nullopt;
}

}  // namespace duolinear

#include "linear_problems/LinearProblemText.h"

namespace duolinear {

namespace {

// U+2212 MINUS SIGN between two blanks.
const std::string kMinusBetweenTerms = " \u2212 ";

bool isNegativeText(const std::string& text) {
    return !text.empty() && text.front() == '-';
}

std::string constantTerm(const CoefficientText& k, bool leading) {
    const std::string& n = k.numerator;
    if (leading) return n;
    return isNegativeText(n) ? kMinusBetweenTerms + n.substr(1) : " + " + n;
}

std::string xTerm(const CoefficientText& k, bool leading) {
    if (k.denominator != "1") {
        // A unit fraction 1/d: written as x over d, a negative d in parentheses.
        const std::string& d = k.denominator;
        const std::string fraction = isNegativeText(d) ? "x/(" + d + ")" : "x/" + d;
        return leading ? fraction : " + " + fraction;
    }
    const std::string& n = k.numerator;
    if (n == "1") return leading ? "x" : " + x";
    if (n == "-1") return leading ? "-x" : kMinusBetweenTerms + "x";
    if (leading) return n + "x";
    return isNegativeText(n) ? kMinusBetweenTerms + n.substr(1) + "x" : " + " + n + "x";
}

// The terms of one side of the form ("bx + c") with the coefficients from
// next on; next moves past the ones used.
std::string sideText(std::string_view side, const std::vector<CoefficientText>& coefficients, std::size_t& next) {
    std::string text;
    bool leading = true;
    std::size_t start = 0;
    while (start <= side.size()) {
        std::size_t end = side.find('+', start);
        if (end == std::string_view::npos) end = side.size();
        const std::string_view term = side.substr(start, end - start);
        if (term.find_first_not_of(' ') != std::string_view::npos) {
            static const CoefficientText missing{"", "1"};
            const CoefficientText& k = next < coefficients.size() ? coefficients[next] : missing;
            ++next;
            text += term.find('x') != std::string_view::npos ? xTerm(k, leading) : constantTerm(k, leading);
            leading = false;
        }
        start = end + 1;
    }
    return text;
}

}  // namespace

std::string linearProblemDisplayText(std::string_view spacedForm, const std::vector<CoefficientText>& coefficients,
                                     std::string_view relationSymbol) {
    const std::size_t slot = spacedForm.find('?');
    const std::string_view left = spacedForm.substr(0, slot);
    const std::string_view right = slot == std::string_view::npos ? std::string_view{} : spacedForm.substr(slot + 1);
    std::size_t next = 0;
    const std::string leftText = sideText(left, coefficients, next);
    const std::string rightText = sideText(right, coefficients, next);
    return leftText + " " + std::string(relationSymbol) + " " + rightText;
}

}  // namespace duolinear

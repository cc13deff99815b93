#include "linear_problems/LinearForms.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <limits>

namespace duolinear {

namespace {

// Group numbers are small; a longer digit run would not fit the index type.
constexpr std::size_t kMaxGroupDigits = std::numeric_limits<std::uint64_t>::digits10;

// The n of a bracket reference written as "n]" (the "[" already read).
std::optional<std::uint64_t> groupNumber(std::string_view text) {
    if (text.size() < 2 || text.back() != ']') return std::nullopt;
    const std::string_view digits = text.substr(0, text.size() - 1);
    if (digits.size() > kMaxGroupDigits) return std::nullopt;
    std::uint64_t n = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return n;
}

std::optional<Term> parseTermToken(std::string_view token, const std::map<char, Rational>& coefficients, Var variable) {
    if (token.empty()) return std::nullopt;
    const auto value = coefficients.find(token.front());
    if (value == coefficients.end()) return std::nullopt;
    Term term{Monomial{value->second, 0, character(variable)}, SubExpression{}};
    if (token.find("x[") != std::string_view::npos) {
        const std::optional<std::uint64_t> n = token.size() > 3 ? groupNumber(token.substr(3)) : std::nullopt;
        if (!n) return std::nullopt;
        term.monomial.exponent = 1;
        term.sub_exp = SubExpression{true, *n};
    } else if (token.find('[') != std::string_view::npos) {
        const std::optional<std::uint64_t> n = token.size() > 2 ? groupNumber(token.substr(2)) : std::nullopt;
        if (!n) return std::nullopt;
        term.sub_exp = SubExpression{true, *n};
    } else if (token.find('x') != std::string_view::npos) {
        term.monomial.exponent = 1;
    }
    return term;
}

}  // namespace

const std::map<std::string, LinearFormEntry>& linearFormDatabase() {
    static const std::map<std::string, LinearFormEntry> table = {
        {"a?bx", {{{"a"}}, {{"bx"}}}},
        {"a?bx+c", {{{"a"}}, {{"bx", "c"}}}},
        {"a?b+cx", {{{"a"}}, {{"b", "cx"}}}},
        {"ax?b", {{{"ax"}}, {{"b"}}}},
        {"ax?bx+c", {{{"ax"}}, {{"bx", "c"}}}},
        {"ax?b+cx", {{{"ax"}}, {{"b", "cx"}}}},
        {"ax+b?c", {{{"ax", "b"}}, {{"c"}}}},
        {"ax+b?cx+d", {{{"ax", "b"}}, {{"cx", "d"}}}},
        {"ax+b?c+dx", {{{"ax", "b"}}, {{"c", "dx"}}}},
        {"a+bx?c", {{{"a", "bx"}}, {{"c"}}}},
        {"a+bx?cx+d", {{{"a", "bx"}}, {{"cx", "d"}}}},
        {"a+bx?c+dx", {{{"a", "bx"}}, {{"c", "dx"}}}},
        {"a(bx+c)?d", {{{"bx", "c"}, {"a[0]"}}, {{"d"}}}},
        {"a(bx+c)?dx+e", {{{"bx", "c"}, {"a[0]"}}, {{"dx", "e"}}}},
        {"a(bx+c)?d+ex", {{{"bx", "c"}, {"a[0]"}}, {{"d", "ex"}}}},
        {"a(b+cx)?d", {{{"b", "cx"}, {"a[0]"}}, {{"d"}}}},
        {"a(b+cx)?dx+e", {{{"b", "cx"}, {"a[0]"}}, {{"dx", "e"}}}},
        {"a(b+cx)?d+ex", {{{"b", "cx"}, {"a[0]"}}, {{"d", "ex"}}}},
        {"a+b(cx+d)?ex+f", {{{"cx", "d"}, {"a", "b[0]"}}, {{"ex", "f"}}}},
        {"a+b(cx+d(ex+f))?g", {{{"ex", "f"}, {"cx", "d[0]"}, {"a", "b[1]"}}, {{"g"}}}},
    };
    return table;
}

std::string linearFormKey(std::string_view format) {
    std::string key;
    std::copy_if(format.begin(), format.end(), std::back_inserter(key), isNotBlank);
    return key;
}

std::optional<Ext_polynomial> parseTermGroups(const TermGroups& groups, const std::map<char, Rational>& coefficients,
                                              Var variable) {
    ExtGroups parsed;
    parsed.reserve(groups.size());
    for (const std::vector<std::string>& group : groups) {
        ExtGroup terms;
        terms.reserve(group.size());
        for (const std::string& token : group) {
            std::optional<Term> term = parseTermToken(token, coefficients, variable);
            if (!term) return std::nullopt;
            terms.push_back(std::move(*term));
        }
        parsed.push_back(std::move(terms));
    }
    return wrapArray(std::move(parsed));
}

}  // namespace duolinear

#include "keypads/KeyTitles.h"

#include <array>
#include <optional>
#include <utility>

namespace duolinear {

namespace {

// Digits only; at most 18 of them, so that the value fits a long long.
std::optional<long long> decimalTag(std::string_view text) {
    if (text.empty() || text.size() > 18) return std::nullopt;
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

KeyTitle parseKeyTitle(std::string_view title) {
    if (title.size() == 1 && title[0] >= '0' && title[0] <= '9') return {KeyKind::digit, title[0] - '0', 0};

    static const std::array<std::pair<std::string_view, KeyKind>, 5> fixedTitles = {{
        {kSignKeyTitle, KeyKind::sign},
        {kClearKeyTitle, KeyKind::clear},
        {kDeleteKeyTitle, KeyKind::del},
        {kPointKeyTitle, KeyKind::point},
        {kThinkKeyTitle, KeyKind::think},
    }};
    for (const auto& [fixed, kind] : fixedTitles) {
        if (title == fixed) return {kind, 0, 0};
    }

    // The longer prefix first: "P_option1028" is an arrow key, never a field key.
    static const std::array<std::pair<std::string_view, KeyKind>, 7> prefixes = {{
        {kPolynomialOptionPrefix, KeyKind::polynomialOption},
        {kInputPrefix, KeyKind::input},
        {kPolynomialPrefix, KeyKind::polynomial},
        {kFractionPrefix, KeyKind::fraction},
        {kOptionPrefix, KeyKind::option},
        {kMultiLinePrefix, KeyKind::multiLine},
        {kLevelPrefix, KeyKind::level},
    }};
    for (const auto& [prefix, kind] : prefixes) {
        if (title.substr(0, prefix.size()) != prefix) continue;
        const std::optional<long long> tag = decimalTag(title.substr(prefix.size()));
        if (!tag) return {};
        return {kind, 0, *tag};
    }
    return {};
}

std::string keyTitle(std::string_view prefix, long long tag) {
    return std::string(prefix) + std::to_string(tag);
}

}  // namespace duolinear

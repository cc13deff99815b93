#include "quadratic/QuadraticClosing.h"

#include <string>
#include <utility>

#include "quadratic/RootLayout.h"

namespace duolinear {

// The root in the style, else in decimals; none when even the decimal digits
// cannot be assured.
std::optional<TagLayout> rootLayoutOrDecimal(const Quadratic_solution& root, Style style) {
    if (std::optional<TagLayout> layout = rootLayout(root, style)) return layout;
    return rootLayout(root, Style::decimal);
}

std::optional<TagLayout> rootsLine(char variable, const QuadraticRoots& roots, Style irrationalStyle) {
    if (roots.status == Quadratic_status::none || !roots.first || !roots.second) return std::nullopt;
    const TagLayout prefix = messageLayout(std::string(1, variable) + " = ");
    if (roots.status == Quadratic_status::rational_repeated) {
        std::optional<TagLayout> root = rootLayoutOrDecimal(*roots.first, Style::fraction);
        if (!root) return std::nullopt;
        return joinAllLayouts({prefix, std::move(*root)});
    }
    const Style style = roots.status == Quadratic_status::rational_distinct ? Style::fraction : irrationalStyle;
    std::optional<TagLayout> first = rootLayoutOrDecimal(*roots.first, style);
    std::optional<TagLayout> second = rootLayoutOrDecimal(*roots.second, style);
    if (!first || !second) return std::nullopt;
    return joinAllLayouts({prefix, std::move(*first), messageLayout(" or "), prefix, std::move(*second)});
}

Style closingSurdStyle(Style style) {
    return style == Style::fraction ? Style::rational_fraction : style;
}

StepLines closingLines(const OpeningState& state, Style style) {
    StepLines lines{state.openingLine};
    for (TagLayout& blank : blankLayouts(2)) lines.push_back(std::move(blank));
    if (std::optional<TagLayout> roots = rootsLine(state.variable, state.roots, closingSurdStyle(style))) {
        lines.push_back(std::move(*roots));
    }
    lines.push_back(messageLayout(rawValue(state.roots.status)));
    return lines;
}

}  // namespace duolinear

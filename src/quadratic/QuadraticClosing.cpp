#include "quadratic/QuadraticClosing.h"

#include <string>
#include <utility>

#include "quadratic/RootLayout.h"

namespace duolinear {

TagLayout rootLayoutOrDecimal(const Quadratic_solution& root, Style style) {
    if (std::optional<TagLayout> layout = rootLayout(root, style)) return std::move(*layout);
    return *rootLayout(root, Style::decimal);  // the decimal style draws every root
}

std::optional<TagLayout> rootsLine(char variable, const QuadraticRoots& roots, Style irrationalStyle) {
    if (roots.status == Quadratic_status::none || !roots.first || !roots.second) return std::nullopt;
    const TagLayout prefix = messageLayout(std::string(1, variable) + " = ");
    if (roots.status == Quadratic_status::rational_repeated) {
        return joinAllLayouts({prefix, rootLayoutOrDecimal(*roots.first, Style::fraction)});
    }
    const Style style = roots.status == Quadratic_status::rational_distinct ? Style::fraction : irrationalStyle;
    return joinAllLayouts({prefix, rootLayoutOrDecimal(*roots.first, style), messageLayout(" or "), prefix,
                           rootLayoutOrDecimal(*roots.second, style)});
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

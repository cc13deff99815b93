#include "layout_extensions/BoxRecords.h"

#include "algebra/TextFunctions.h"

namespace duolinear {

namespace {

bool isProductCell(std::size_t position) {
    return position == 5 || position == 7;
}

}  // namespace

std::string boxGridTermText(const Monomial& term, std::size_t position) {
    const std::int64_t c = term.coefficient.numerator;
    const std::string sign = c > 0 ? "+" : "";
    const std::string number = std::to_string(c);
    const std::string letter(1, term.variable);
    if (term.exponent == 0) return sign + number;
    if (term.exponent == 1) {
        if (isProductCell(position)) return sign + number + letter;
        if (c == 1) return letter;
        if (c == -1) return "-" + letter;
        return number + letter;
    }
    const std::string power = letter + superscriptDigit(std::to_string(term.exponent));
    if (c == 1) return power;
    if (c == -1) return "-" + power;
    return number + power;
}

TagLayout boxGridLayout(const Monomials& terms, const std::vector<Color>& colors, const std::string& tag) {
    TagRow texts{"box_grid_terms"};
    for (std::size_t k = 0; k < terms.size(); ++k) texts.push_back(boxGridTermText(terms[k], k));
    TagRow colorRow{"box_grid_colors"};
    for (Color color : colors) colorRow.push_back(rawValue(color));
    return {{"start", "1"}, {"box_grid", "4"}, std::move(texts), std::move(colorRow), {"box_grid_tag", tag}};
}

TagLayout boxTableLayout(std::uint64_t rows, std::uint64_t columns, const std::vector<std::int64_t>& entries,
                         const std::vector<Color>& colors, const std::string& tag) {
    std::uint64_t cells = 0;
    if (entries.empty() || __builtin_mul_overflow(rows, columns, &cells) || cells != entries.size()) {
        return messageLayout("system error in table", Color::black, defaultLayoutTag());
    }
    TagRow texts{"box_table_entries"};
    for (std::int64_t entry : entries) texts.push_back(std::to_string(entry));
    TagRow colorRow{"box_table_colors"};
    for (Color color : colors) colorRow.push_back(rawValue(color));
    return {{"start", "1"},
            {"box_table", "4", std::to_string(rows), std::to_string(columns)},
            std::move(texts),
            std::move(colorRow),
            {"box_table_tag", tag}};
}

}  // namespace duolinear

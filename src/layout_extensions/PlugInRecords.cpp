#include "layout_extensions/PlugInRecords.h"

namespace duolinear {

namespace {

TagRow keyed(const std::string& key, const TextList& values) {
    TagRow row{key};
    row.insert(row.end(), values.begin(), values.end());
    return row;
}

TagRow keyedGrid(const std::string& key, const TextGrid& grid) {
    TagRow row{key};
    for (const TextList& line : grid) row.insert(row.end(), line.begin(), line.end());
    return row;
}

// ["start", "1"], ["plug_in", name, N], the rows, the tag row.
TagLayout plugIn(const std::string& name, TagLayout rows, const std::string& tag) {
    TagLayout layout{{"start", "1"}, {"plug_in", name, std::to_string(rows.size() + 2)}};
    for (TagRow& row : rows) layout.push_back(std::move(row));
    layout.push_back({name + "_tag", tag});
    return layout;
}

}  // namespace

TagLayout primeTreeLayout(const std::string& tag, const std::vector<PrimeTreeRow>& pairs) {
    TagRow numbers{"prime_tree_pairs"};
    TagRow colors{"prime_tree_colors"};
    for (const PrimeTreeRow& pair : pairs) {
        numbers.push_back(std::to_string(pair.divisor.value));
        numbers.push_back(std::to_string(pair.quotient.value));
        colors.push_back(rawValue(pair.divisor.color));
        colors.push_back(rawValue(pair.quotient.color));
    }
    return plugIn("prime_tree", {std::move(numbers), std::move(colors)}, tag);
}

TagLayout countOpLayout(const std::string& tag, const std::string& parameter, const TextGrid& tableau,
                        const TextList& globals, const TextList& locals, const TextList& countUps) {
    return plugIn("count_op",
                  {{"count_op", parameter},
                   keyedGrid("count_op_tableau", tableau),
                   keyed("count_op_count_ups", countUps),
                   keyed("count_op_globals", globals),
                   keyed("count_op_locals", locals)},
                  tag);
}

std::optional<TagLayout> addColumnLayout(const std::string& tag, const std::string& parameter, std::int64_t n,
                                         const TextGrid& tableau, const TextGrid& attributes) {
    if (tableau.empty()) return std::nullopt;
    return plugIn("add_column",
                  {{"add_column", parameter, std::to_string(n), std::to_string(tableau.size()),
                    std::to_string(tableau.front().size())},
                   keyedGrid("add_column_tableau", tableau),
                   keyedGrid("add_column_attributes", attributes)},
                  tag);
}

TagLayout divideOpLayout(const std::string& tag, const std::string& parameter, const TextList& tableau,
                         const TextList& backgroundTableau, const TextList& lines, const TextList& globals,
                         const TextList& locals) {
    return plugIn("divide_op",
                  {{"divide_op", parameter},
                   keyed("divide_op_tableau", tableau),
                   keyed("divide_op_background_tableau", backgroundTableau),
                   keyed("divide_op_lines", lines),
                   keyed("divide_op_globals", globals),
                   keyed("divide_op_locals", locals)},
                  tag);
}

TagLayout dividePartialOpLayout(const std::string& tag, const std::string& parameter, const TextList& tableau,
                                const TextList& globals, const TextList& locals, const TextList& partials) {
    return plugIn("divide_partial_op",
                  {{"divide_partial_op", parameter},
                   keyed("divide_partial_op_tableau", tableau),
                   keyed("divide_partial_op_partials", partials),
                   keyed("divide_partial_op_globals", globals),
                   keyed("divide_partial_op_locals", locals)},
                  tag);
}

TagLayout tableauOpLayout(const std::string& tag, const std::string& parameter, const TextGrid& tableau,
                          const TextGrid& attributes, const TextList& globals, const TextList& locals) {
    return plugIn("tableau_op",
                  {{"tableau_op", parameter},
                   keyedGrid("tableau_op_tableau", tableau),
                   keyedGrid("tableau_op_attributes", attributes),
                   keyed("tableau_op_globals", globals),
                   keyed("tableau_op_locals", locals)},
                  tag);
}

TagLayout latticeMultiplyLayout(const std::string& a, const std::string& b, const TextList& factors,
                                const TextList& factorColors, const TextList& products, const TextList& productColors,
                                const TextList& partials, const TextList& partialColors, const std::string& tag) {
    return plugIn("lattice_multiply",
                  {{"lattice_multiply", a, b},
                   keyed("lattice_multiply_factors", factors),
                   keyed("lattice_multiply_factor_colors", factorColors),
                   keyed("lattice_multiply_products", products),
                   keyed("lattice_multiply_product_colors", productColors),
                   keyed("lattice_multiply_partials", partials),
                   keyed("lattice_multiply_partial_colors", partialColors)},
                  tag);
}

TagLayout gridMultiplyLayout(const std::string& a, const std::string& b, const TextList& factors,
                             const TextList& factorColors, const TextList& partials, const TextList& partialColors,
                             const std::string& tag) {
    return plugIn("grid_multiply",
                  {{"grid_multiply", a, b},
                   keyed("grid_multiply_factors", factors),
                   keyed("grid_multiply_factor_colors", factorColors),
                   keyed("grid_multiply_partials", partials),
                   keyed("grid_multiply_partial_colors", partialColors)},
                  tag);
}

TagLayout equalsPrefixLayout(const TagLayout& child, Color color, const std::string& tag) {
    return unaryLayout("= ", child, color, tag);
}

TagLayout labelPrefixLayout(const std::string& label, const TagLayout& child, Color color, const std::string& tag) {
    return unaryLayout(label + " ", child, color, tag);
}

}  // namespace duolinear

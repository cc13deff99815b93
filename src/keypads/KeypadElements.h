#pragma once
// The lists a keypad is made from. Every list of fields, options or
// multi-line entries has the shape group -> row -> text; a fields view turns
// each group into one horizontal band.

#include <string>
#include <vector>

namespace duolinear {

using ElementRow = std::vector<std::string>;
using ElementGroup = std::vector<ElementRow>;
using ElementGroups = std::vector<ElementGroup>;

// Selected texts as handed to a screen: one list per group, one text per row.
using SelectedTexts = std::vector<std::vector<std::string>>;

// For option group a and row b, the index of the option selected in that row.
using OptionIndices = std::vector<std::vector<int>>;

// Everything the entry fields view shows, in the lists the keypad was given.
// On the entry screens polynomials, fractions and multiLine are empty.
struct EntryElements {
    ElementGroups inputs{};
    ElementGroups polynomials{};
    ElementGroups fractions{};
    ElementGroups options{};
    OptionIndices optionsSelections{};  // may be empty: the first option of every row
    ElementGroups multiLine{};
};

// The option that starts selected in row b of option group a: the index the
// selections give, or the first option when the selections are empty, name
// no index for that row or name one outside the row. The fields view and the
// keypad both ask here, so that the green label and the keypad's selection
// always agree.
int initialOptionIndex(const EntryElements& elements, std::size_t a, std::size_t b);
// The same, for option groups and selections that come as separate lists
// (the practice keypad and its fields view).
int initialOptionIndex(const ElementGroups& options, const OptionIndices& selections, std::size_t a, std::size_t b);

}  // namespace duolinear

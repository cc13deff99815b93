#pragma once
// The layout record: a flat list of text rows that encodes one tree of
// drawable items. Row 0 is ["start", R] with R the index of the root item's
// kind row; an item is its kind row followed by its companion rows (locator,
// colour, tag) in a fixed order; composite items point at their children by
// row index and always stand after them.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "layout/Enumerations.h"
#include "layout/PooledStorage.h"
#include "layout/TagRow.h"

namespace duolinear {

using TagLayout = std::vector<TagRow, PooledStorage<TagRow>>;  // see PooledStorage.h
using Layouts = std::vector<TagLayout, PooledStorage<TagLayout>>;
using StepLines = Layouts;                                      // one step: a layout per line
using StepList = std::vector<StepLines, PooledStorage<StepLines>>;  // a worked solution's steps
using StepComments = std::vector<std::vector<std::string>>;
using StepParameters = std::vector<std::string>;

// Lines made of the given layouts, each moved in when it is a temporary (a
// braced list of layouts would copy every one of them).
template <typename... Layouts>
StepLines linesOf(Layouts&&... layouts) {
    StepLines lines;
    lines.reserve(sizeof...(layouts));
    (lines.push_back(std::forward<Layouts>(layouts)), ...);
    return lines;
}

// A coloured piece of text for messagesLayout.
struct ColoredText {
    std::string text;
    Color color = Color::black;
};

// "anon". Defined here so that the default argument below costs no call.
inline const std::string& defaultLayoutTag() {
    static const std::string tag = "anon";
    return tag;
}

TagLayout messageLayout(const std::string& text, Color color = Color::black,
                        const std::string& tag = defaultLayoutTag());
// The same taking over a text made for it.
TagLayout messageLayout(std::string&& text, Color color = Color::black, const std::string& tag = defaultLayoutTag());
TagLayout integerLayout(long long value, Color color = Color::black, const std::string& tag = defaultLayoutTag());
TagLayout signedRationalLayout(long long numerator, long long denominator, Color signColor, Color numeratorColor,
                               Color denominatorColor, Color barColor, const std::string& tag = defaultLayoutTag());

// The composite builders take their operands by value: a temporary (or a
// layout handed over with std::move) is consumed, its rows moved into the
// result rather than copied, so that building a deep layout from the leaves
// up never copies a row twice.
// An operand without an item (no rows, or the start row alone) joins as the
// other operand alone; so two such operands give the right one.
TagLayout joinLayouts(const std::string& text, TagLayout left, TagLayout right, Color color = Color::black,
                      const std::string& tag = defaultLayoutTag());
TagLayout unaryLayout(const std::string& text, TagLayout child, Color color = Color::black,
                      const std::string& tag = defaultLayoutTag());
TagLayout fontLayout(Font font, TagLayout child, const std::string& tag = defaultLayoutTag());

// `count` blank lines, at least one.
Layouts blankLayouts(long long count);

// Non-empty pieces set side by side (left-nested "🖇" joins); none: no value.
std::optional<TagLayout> messagesLayout(const std::vector<ColoredText>& pieces);
// Layouts with at least one non-empty row set side by side; none: no value.
std::optional<TagLayout> joinAllLayouts(Layouts layouts);

// One row with its locators moved by offset; rows without locators unchanged.
// A locator moved beyond the 64-bit range becomes the empty text, which names
// no item (joinLayouts treats its right operand's root the same way).
TagRow shiftLocatorRow(const TagRow& row, long long offset);
// The same, on the row in place.
void shiftLocators(TagRow& row, long long offset);

// The root index written in row 0 (0 when the row is missing or malformed).
long long layoutRootIndex(const TagLayout& layout);

}  // namespace duolinear

#pragma once
// The layout record: a flat list of text rows that encodes one tree of
// drawable items. Row 0 is ["start", R] with R the index of the root item's
// kind row; an item is its kind row followed by its companion rows (locator,
// colour, tag) in a fixed order; composite items point at their children by
// row index and always stand after them.

#include <optional>
#include <string>
#include <vector>

#include "layout/Enumerations.h"

namespace duolinear {

using TagRow = std::vector<std::string>;
using TagLayout = std::vector<TagRow>;
using StepLines = std::vector<TagLayout>;  // one step: a layout per line
using StepList = std::vector<StepLines>;   // a worked solution's steps
using StepComments = std::vector<std::vector<std::string>>;
using StepParameters = std::vector<std::string>;

// A coloured piece of text for messagesLayout.
struct ColoredText {
    std::string text;
    Color color = Color::black;
};

const std::string& defaultLayoutTag();  // "anon"

TagLayout messageLayout(const std::string& text, Color color = Color::black,
                        const std::string& tag = defaultLayoutTag());
TagLayout integerLayout(long long value, Color color = Color::black, const std::string& tag = defaultLayoutTag());
TagLayout signedRationalLayout(long long numerator, long long denominator, Color signColor, Color numeratorColor,
                               Color denominatorColor, Color barColor, const std::string& tag = defaultLayoutTag());
TagLayout joinLayouts(const std::string& text, const TagLayout& left, const TagLayout& right,
                      Color color = Color::black, const std::string& tag = defaultLayoutTag());
TagLayout unaryLayout(const std::string& text, const TagLayout& child, Color color = Color::black,
                      const std::string& tag = defaultLayoutTag());
TagLayout fontLayout(Font font, const TagLayout& child, const std::string& tag = defaultLayoutTag());

// `count` blank lines, at least one.
std::vector<TagLayout> blankLayouts(long long count);

// Non-empty pieces set side by side (left-nested "🖇" joins); none: no value.
std::optional<TagLayout> messagesLayout(const std::vector<ColoredText>& pieces);
// Layouts with at least one non-empty row set side by side; none: no value.
std::optional<TagLayout> joinAllLayouts(const std::vector<TagLayout>& layouts);

// One row with its locators moved by offset; rows without locators unchanged.
// A locator moved beyond the 64-bit range becomes the empty text, which names
// no item (joinLayouts treats its right operand's root the same way).
TagRow shiftLocatorRow(const TagRow& row, long long offset);

// The root index written in row 0 (0 when the row is missing or malformed).
long long layoutRootIndex(const TagLayout& layout);

}  // namespace duolinear

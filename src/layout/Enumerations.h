#pragma once
// The closed vocabularies that every layout row and algebra value carries:
// colours, relations, fonts and keypad element kinds. Their raw values are the
// texts (or integers) that travel inside TagLayout rows and view tags.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace duolinear {

enum class Color : std::uint8_t {
    invisible,
    white,
    clear,
    black,
    light_gray,
    gray,
    dark_gray,
    red,
    blue,
    green,
    cyan,
    brown,
    magenta,
};

enum class Relation : std::uint8_t {
    equal_to,
    less_than,
    greater_than,
    less_than_or_equal_to,
    greater_than_or_equal_to,
};

enum class Font : std::uint8_t {
    system,
    monospaced_system,
    monospaced_digit_system,
};

enum class Tag : int {
    input = 1,
    polynomial = 1025,
    fraction = 2049,
    multi_line = 3073,
    option = 4097,
    level = 5121,
    example = 6145,
};

const std::string& rawValue(Color color);
const std::string& rawValue(Relation relation);
const std::string& rawValue(Font font);
constexpr int rawValue(Tag tag) {
    return static_cast<int>(tag);
}

// Exact, case-sensitive matches of the raw texts; anything else is no value.
std::optional<Color> colorFromRawValue(std::string_view text);
std::optional<Relation> relationFromRawValue(std::string_view text);
std::optional<Font> fontFromRawValue(std::string_view text);
std::optional<Tag> tagFromRawValue(int value);

// The relation after exchanging the sides or multiplying both by a negative.
Relation reversedRelation(Relation relation);
// Logical negation; equal_to stays equal_to (there is no "not equal" case).
Relation negatedRelation(Relation relation);

}  // namespace duolinear

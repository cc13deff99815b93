#pragma once
// The grammar of key titles. A key says what it is by its title alone: the
// numeric keys by fixed titles, the keys under the labels of a fields view
// by a prefix naming the element's kind followed by the decimal view tag of
// its label ("I1", "O4098", "P_option1028").

#include <string>
#include <string_view>

namespace duolinear {

// The action every key sends up the responder chain on touch up inside.
inline constexpr const char* kKeyPressedAction = "keyPressedWithSender:";

// The fixed titles of the numeric keypad.
inline constexpr std::string_view kSignKeyTitle = "+/-";
inline constexpr std::string_view kClearKeyTitle = "C";
inline constexpr std::string_view kDeleteKeyTitle = "DEL";
inline constexpr std::string_view kPointKeyTitle = ".";
inline constexpr std::string_view kThinkKeyTitle = "🤔";

// The prefixes of the element keys.
inline constexpr std::string_view kInputPrefix = "I";
inline constexpr std::string_view kPolynomialPrefix = "P";
inline constexpr std::string_view kFractionPrefix = "F";
inline constexpr std::string_view kPolynomialOptionPrefix = "P_option";
inline constexpr std::string_view kOptionPrefix = "O";
inline constexpr std::string_view kMultiLinePrefix = "M";
inline constexpr std::string_view kLevelPrefix = "L";

enum class KeyKind {
    digit,             // "0" ... "9"
    sign,              // "+/-"
    clear,             // "C"
    del,               // "DEL"
    point,             // "."
    think,             // "🤔"
    input,             // "I" + tag
    polynomial,        // "P" + tag
    fraction,          // "F" + tag
    polynomialOption,  // "P_option" + tag
    option,            // "O" + tag
    multiLine,         // "M" + tag
    level,             // "L" + tag
    unknown,           // anything else
};

struct KeyTitle {
    KeyKind kind = KeyKind::unknown;
    int digit = 0;      // for digit keys
    long long tag = 0;  // for element keys
    friend bool operator==(const KeyTitle&, const KeyTitle&) = default;
};

// Reads a title: the whole title against the fixed titles first, then by
// prefix, "P_option" before "P". An element title whose rest is not a plain
// decimal number (digits only, no sign) is unknown.
KeyTitle parseKeyTitle(std::string_view title);

// prefix + the decimal text of the tag, e.g. keyTitle(kInputPrefix, 67) is "I67".
std::string keyTitle(std::string_view prefix, long long tag);

}  // namespace duolinear

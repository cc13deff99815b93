#pragma once
// The small vocabularies of the linear problem generator: the four option
// menus that a screen for one linear equation offers (each text the raw
// value of the choice it selects), and the coefficient letters a to i that
// the equation forms name.

#include <optional>
#include <string>
#include <vector>

namespace duolinear {

// The option lists, each built once on first use (safely under concurrent
// first use) and unchanged afterwards.
struct L_menu {
    // The two fraction styles, "show as ˣ∕₃" then "show as ¹∕₃ x" (no decimal style).
    static const std::vector<std::string>& styleMenu();
    // "smart", "standard".
    static const std::vector<std::string>& methodMenu();
    // "transpose", "balance".
    static const std::vector<std::string>& techniqueMenu();
    // "=", "<", ">", "≤", "≥".
    static const std::vector<std::string>& relationMenu();
};

// A coefficient letter of an equation form; its raw value is the letter.
enum class Coeff : char { a = 'a', b = 'b', c = 'c', d = 'd', e = 'e', f = 'f', g = 'g', h = 'h', i = 'i' };

constexpr char rawValue(Coeff letter) {
    return static_cast<char>(letter);
}
// The case whose letter is the given character; no value for any other
// character (capitals and the variable "x" included).
std::optional<Coeff> coeffFromRawValue(char letter);

}  // namespace duolinear

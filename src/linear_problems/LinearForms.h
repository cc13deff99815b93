#pragma once
// The table of the twenty shapes in which a linear equation of this subsystem
// is written, and the reading of a shape's term tokens into the bracketed
// sides that the linear step engine works on.
//
// A form such as "a(bx+c)?dx+e" names its coefficients by letters; "?" stands
// for the relation. Each side is a list of term groups, innermost first, the
// last group being the side itself; a token is a coefficient letter,
// optionally "x", optionally a reference "[n]" to an earlier group n of the
// same side that the term multiplies. This is the group layout of
// Ext_polynomial, so "a(bx+c)" is group 0 = ["bx", "c"] and group 1 = ["a[0]"].

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "algebra/Options.h"
#include "algebra/Rational.h"
#include "algebra/Term.h"

namespace duolinear {

// The term tokens of one side, group by group.
using TermGroups = std::vector<std::vector<std::string>>;

struct LinearFormEntry {
    TermGroups LHS;
    TermGroups RHS;
    Var variable = Var::x;
};

// The twenty forms, keyed by the form written without blanks ("ax+b?cx+d").
// Built once on first use (safely under concurrent first use), read-only
// afterwards.
const std::map<std::string, LinearFormEntry>& linearFormDatabase();

// Whether the character is not the blank " " (U+0020). Only that blank is
// dropped from a form; any other character stays part of the key.
constexpr bool isNotBlank(char character) {
    return character != ' ';
}

// The form with every blank removed: " a + bx ? c " gives "a+bx?c".
std::string linearFormKey(std::string_view format);

// The side made of the tokens, group for group and token for token, each
// token read as one Term:
//   "bx[1]" (contains "x[")  b·x times group 1
//   "a[0]"  (contains "[")   a times group 0
//   "bx"    (contains "x")   b·x
//   "c"                      the constant c
// The coefficient is the value of the token's first character in
// coefficients, used as stored, colours included; the monomial's letter is
// the variable's and every other colour black. No value when a token is
// empty, when its letter is not in coefficients, or when a bracket reference
// is not "[" decimal digits "]": the side is never built with an invented
// value. That a reference names an earlier group is left to the step engine,
// which refuses a side where it does not.
std::optional<Ext_polynomial> parseTermGroups(const TermGroups& groups, const std::map<char, Rational>& coefficients,
                                              Var variable);

}  // namespace duolinear

#pragma once
// The opening that every quadratic method shares. It checks the equation,
// shows it ("🤔"), tidies it step by step, and then either finishes the whole
// worked solution itself or hands the equation, rearranged into
// "polynomial in descending powers = 0", to the method with the steps so far.
//
// In order, each step only when it has work:
//   a refusal ("oops", QuadraticRefusal.h) for a zero denominator, or for
//     non-constant terms in more than one letter
//   "🤔"                            the equation with its zero terms dropped
//   "simplify"                      every coefficient in lowest terms (no step
//                                   when both lines read the same in the style),
//   "clear fractions" / "clear decimals"   or, for the factoring method, both
//                                   sides multiplied by the lcm of the
//                                   denominators ("clear decimals" only for a
//                                   power of ten in the decimal style, then
//                                   that of the most places a coefficient
//                                   shows); when that factor is 1
//                                   (denominators of -1, or decimals whole
//                                   in value) the equation is cleared all the
//                                   same, shown as "simplify" as above
//   "combine like terms"
//   "same square term on both sides"
//   no term of degree two or more left: the linear step engine finishes the
//     solution (its steps under the lines carried so far, then a "😎" step
//     with the answer or the status)
//   "descending powers of v"        the sides sorted, exchanged or collected
//   a refusal when what is left has a term of degree above 2 or no x² term,
//     else when it is an inequality, or when the roots cannot be written
//     with 64-bit numbers
// Each step after "🤔" begins with the lines of the equations already passed
// (carriedLines), so the learner sees the derivation so far. With
// skipOpeningFrame there is no "🤔" step and the linear finish has no "😎"
// step, unless it is the only step (an equation already solved, x = 3).
// Arithmetic that gives out anywhere gives the overflow refusal.
//
// The opening reads the choices' skipOpeningFrame, style and clearFractions
// (handed to the linear engine), highlight (the clearing step's marks) and
// random (the linear engine's smart advice); technique and method are not read.

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "algebra/Equation.h"
#include "layout/TagLayout.h"
#include "linear_steps/LinearStepChoices.h"
#include "linear_steps/WorkedSteps.h"
#include "quadratic/QuadraticRoots.h"

namespace duolinear {

// How the opening tidies the equation before it combines like terms: the
// formula and completing-the-square methods simplify; the factoring method
// clears fractions or decimals.
enum class OpeningTidying { simplify, clear_fractions };

// What the opening hands to a method when the equation is still quadratic.
struct OpeningState {
    WorkedSteps worked;          // the steps and comments so far
    Layouts carriedLines;        // the equations passed, for the top of every later step
    TagLayout openingLine;       // startEquation's line: the "🤔" step and every closing step open with it
    PolyEquation startEquation;  // the equation with zero terms dropped, before any other change
    PolyEquation equation;       // the prepared equation: descending powers against a zero side
    char variable = 'x';         // the letter of comments and answers (equationLetter of the input)
    QuadraticRoots roots;        // quadraticRoots(startEquation); always formed
};

// Either the finished worked solution (a refusal or the linear finish), which
// the method returns unchanged, or the hand-over.
using OpeningResult = std::variant<WorkedSteps, OpeningState>;

OpeningResult quadraticOpening(const PolyEquation& equation, const LinearStepChoices& choices,
                               OpeningTidying tidying = OpeningTidying::simplify);

// The message under a clearing step of factor L: in the decimal style, when L
// is a power of ten 10ᴺ, "highest decimal place count is N, multiply both
// sides by 10ᴺ = L"; otherwise "L is LCM of denominators" with a reminder that
// any common multiple clears them.
std::string clearingStepMessage(Style style, std::int64_t factor);

}  // namespace duolinear

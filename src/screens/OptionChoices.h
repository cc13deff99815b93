#pragma once
// The option rows of the entry and practice screens, how the chosen texts
// become the model's choices when "🤔" is pressed, and the integer
// preferences through which the last choices become the starting selection
// of every screen built later.
//
// Row 0 chooses the variable, row 1 the equation and, on the addition and
// elimination screens only, row 2 the multipliers. The preference keys are
// shared by the three methods: index 0 of a row always means x, the first
// equation, LCM.

#include <string>

#include "keypads/KeypadElements.h"
#include "solver/DuolinearModel.h"
#include "solver/DuolinearOptions.h"

namespace duolinear {

inline constexpr const char* kVariablePreferenceKey = "duolinear_variable";
inline constexpr const char* kEquationPreferenceKey = "duolinear_equation";
inline constexpr const char* kLCMPreferenceKey = "duolinear_LCM";

// Whether the method's screens offer the multiplier row (all but substitution).
bool offersMultiplierChoice(Duolinear_method method);

// The option groups handed to the keypad: one group of one row per choice,
// each row the two texts of the method's menu.
ElementGroups optionGroups(Duolinear_method method);

// The stored index of one choice: 0 or 1. A value that is neither (never
// written by the app: a hand-edited or damaged file) reads as 0, so that no
// screen asks for an option its row does not have.
int storedChoice(const std::string& key);

// The stored choices as the keypad's starting selections, in row order.
OptionIndices storedOptionSelections(Duolinear_method method);

// Sets the model's variable, equation and (all but substitution) multiplier
// choice from the first text reported for each option row, and its method.
// A choice is case 0 exactly when the row's text equals the row's first
// option; a row without a text counts as the second option.
void applyOptionTexts(DuolinearModel& model, const SelectedTexts& options, Duolinear_method method);

// Writes 0 or 1 under each key the method's screens use, from the model's
// fields: variable, equation, then (all but substitution) the multipliers.
void storeOptionChoices(const DuolinearModel& model, Duolinear_method method);

}  // namespace duolinear

#pragma once
// The six coefficient texts a keypad hands over, in the shape
// [[[a1, b1, c1]], [[a2, b2, c2]]], read into the model's coefficient lists.

#include <optional>
#include <string_view>

#include "algebra/Rational.h"
#include "keypads/KeypadElements.h"
#include "solver/DuolinearModel.h"

namespace duolinear {

// A decimal integer text ("12", "-7", "0") as n/1; none for any other text,
// including a number outside the 64-bit range.
std::optional<Rational> wholeNumberRational(std::string_view text);

// Sets coeffs_L_0 = [a1, b1], coeffs_R_0 = [c1], coeffs_L_1 = [a2, b2] and
// coeffs_R_1 = [c2] from group g, row 0, fields 0 to 2. Returns false, and
// leaves the model as it was, when a group, its first row or one of the six
// texts is missing or is not a decimal integer.
bool fillCoefficients(DuolinearModel& model, const ElementGroups& inputs);

}  // namespace duolinear

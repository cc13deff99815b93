#pragma once
// The message under a step that clears fractions or decimals.

#include <cstdint>
#include <string>

#include "algebra/Options.h"

namespace duolinear {

// A power of ten in decimal style is announced as 10ⁿ (n one superscript
// digit, "..." from ten places on); every other factor as the LCM of the
// denominators.
std::string clearingMessage(Style style, std::int64_t factor);

}  // namespace duolinear

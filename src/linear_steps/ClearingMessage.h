#pragma once
// The message under a step that clears fractions or decimals.

#include <cstdint>
#include <string>

#include "algebra/Options.h"

namespace duolinear {

// A factor 10ⁿ (n > 0) announced by the highest decimal place count n, with
// 10ⁿ written out (n one superscript digit, "..." from ten places on).
std::string placesClearingMessage(std::int64_t factor);

// A factor announced as the LCM of the denominators.
std::string lcmClearingMessage(std::int64_t factor);

// A power of ten in decimal style as placesClearingMessage; every other
// factor as lcmClearingMessage.
std::string clearingMessage(Style style, std::int64_t factor);

}  // namespace duolinear

#include "linear_steps/ClearingMessage.h"

#include "algebra/IntegerFunctions.h"
#include "algebra/TextFunctions.h"

namespace duolinear {

std::string placesClearingMessage(std::int64_t factor) {
    // One superscript digit: ten places or more read "10..." (the count is
    // written out just above).
    const std::int64_t places = decimalDigitCount(factor) - 1;
    return "\nhighest decimal place count\nis " + std::to_string(places) + ", multiply both sides\nby 10" +
           superscriptDigit(std::to_string(places)) + " = " + std::to_string(factor);
}

std::string lcmClearingMessage(std::int64_t factor) {
    return std::to_string(factor) +
           " is LCM of denominators\n\nwe can use any multiple of the\ndenominators to clear fractions";
}

std::string clearingMessage(Style style, std::int64_t factor) {
    if (style == Style::decimal && factor > 1 && isPowerOfTenText(std::to_string(factor))) {
        return placesClearingMessage(factor);
    }
    return lcmClearingMessage(factor);
}

}  // namespace duolinear

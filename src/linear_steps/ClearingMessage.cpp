#include "linear_steps/ClearingMessage.h"

#include "algebra/IntegerFunctions.h"
#include "algebra/TextFunctions.h"

namespace duolinear {

std::string clearingMessage(Style style, std::int64_t factor) {
    const std::string factorText = std::to_string(factor);
    if (style == Style::decimal && factor > 1 && isPowerOfTenText(factorText)) {
        // One superscript digit: ten places or more read "10..." (the count
        // is written out just above).
        const std::int64_t places = decimalDigitCount(factor) - 1;
        return "\nhighest decimal place count\nis " + std::to_string(places) + ", multiply both sides\nby 10" +
               superscriptDigit(std::to_string(places)) + " = " + factorText;
    }
    return factorText + " is LCM of denominators\n\nwe can use any multiple of the\ndenominators to clear fractions";
}

}  // namespace duolinear

#include <string>

#include "algebra/IntegerFunctions.h"
#include "algebra/TextFunctions.h"
#include "linear_steps/LinearStages.h"

namespace duolinear {

namespace {

// Every digit of n as a superscript digit: 2 gives "²", 12 gives "¹²".
std::string superscriptNumber(std::int64_t n) {
    std::string out;
    for (char digit : std::to_string(n)) out += superscriptDigit(std::string_view(&digit, 1));
    return out;
}

}  // namespace

std::string clearingMessage(Style style, std::int64_t factor) {
    const std::string factorText = std::to_string(factor);
    if (style == Style::decimal && factor > 1 && isPowerOfTenText(factorText)) {
        const std::int64_t places = decimalDigitCount(factor) - 1;
        return "\nhighest decimal place count\nis " + std::to_string(places) + ", multiply both sides\nby 10" +
               superscriptNumber(places) + " = " + factorText;
    }
    return factorText + " is LCM of denominators\n\nwe can use any multiple of the\ndenominators to clear fractions";
}

}  // namespace duolinear

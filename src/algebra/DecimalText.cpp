#include "algebra/DecimalText.h"

#include <charconv>
#include <cmath>

namespace duolinear {

std::string decimalText(double value, int significantDigits) {
    if (std::isnan(value)) return "nan";
    // to_chars in general form with a precision is printf's %.*g in the "C"
    // locale; 64 characters hold every double at any precision we use.
    char buffer[64];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, significantDigits);
    if (error != std::errc{}) return "nan";
    return std::string(buffer, end);
}

}  // namespace duolinear

#pragma once
// Decimal text of a double as printf's "%.Ng" writes it in the "C" locale,
// whatever locale the process runs in. Every not-a-number prints "nan" (never
// "-nan"); infinities print "inf" and "-inf".

#include <string>

namespace duolinear {

// significantDigits as printf's precision: 8 for the algebra's "%.8g"; any
// precision gives the right digits, a negative one means 6.
std::string decimalText(double value, int significantDigits = 8);

}  // namespace duolinear

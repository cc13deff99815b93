#pragma once
// Packing of a keypad element's position (a, b, c) and kind into a view tag.

#include <string>

#include "layout/Enumerations.h"

namespace duolinear {

struct ViewTagIndices {
    long long a = 0;
    long long b = 0;
    long long c = 0;
    friend bool operator==(const ViewTagIndices&, const ViewTagIndices&) = default;
};

// kind + (a * 8 + b) * 8 + c
long long viewTag(long long a, long long b, long long c, Tag kind);
// Inverse of viewTag for a >= 0 and 0 <= b, c <= 7 (truncating division).
ViewTagIndices decodeViewTag(long long viewTag, Tag kind);

// "0".."9" become superscript digits; any other text becomes "...".
std::string superscriptDigit(std::string_view text);

}  // namespace duolinear

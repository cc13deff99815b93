#pragma once
// Packing of a keypad element's position and kind into a view tag. A
// keypad's elements stand in groups of rows: the position is the group, the
// row within the group and the element within the row.

#include "layout/Enumerations.h"

namespace duolinear {

struct ViewTagIndices {
    long long group = 0;
    long long row = 0;
    long long element = 0;
    friend bool operator==(const ViewTagIndices&, const ViewTagIndices&) = default;
};

// kind + (group * 8 + row) * 8 + element
long long viewTag(long long group, long long row, long long element, Tag kind);
// Inverse of viewTag for group >= 0 and 0 <= row, element <= 7 (truncating
// division).
ViewTagIndices decodeViewTag(long long viewTag, Tag kind);

}  // namespace duolinear

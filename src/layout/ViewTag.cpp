#include "layout/ViewTag.h"

namespace duolinear {

long long viewTag(long long group, long long row, long long element, Tag kind) {
    return rawValue(kind) + (group * 8 + row) * 8 + element;
}

ViewTagIndices decodeViewTag(long long viewTag, Tag kind) {
    const long long d = viewTag - rawValue(kind);
    return {d / 64, (d % 64) / 8, (d % 64) % 8};
}

}  // namespace duolinear

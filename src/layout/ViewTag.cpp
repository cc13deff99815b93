#include "layout/ViewTag.h"

#include <array>

namespace duolinear {

long long viewTag(long long a, long long b, long long c, Tag kind) {
    return rawValue(kind) + (a * 8 + b) * 8 + c;
}

ViewTagIndices decodeViewTag(long long viewTag, Tag kind) {
    const long long d = viewTag - rawValue(kind);
    return {d / 64, (d % 64) / 8, (d % 64) % 8};
}

std::string superscriptDigit(std::string_view text) {
    static const std::array<const char*, 10> kSuperscripts = {
        "⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹",
    };
    if (text.size() == 1 && text[0] >= '0' && text[0] <= '9') return kSuperscripts[text[0] - '0'];
    return "...";
}

}  // namespace duolinear

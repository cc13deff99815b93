#include "platform/gfx/Utf16.h"

namespace gfx::detail {

namespace {

// Length in bytes of the well-formed UTF-8 sequence at i (no overlong forms,
// no surrogates, nothing above U+10FFFF), or 0 when the byte at i starts none.
std::size_t sequenceLength(const std::string& text, std::size_t i) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    unsigned char lead = byte(i);
    if (lead < 0x80) return 1;
    std::size_t need = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;  // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        need = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        need = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        need = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (i + need > text.size()) return 0;
    if (byte(i + 1) < low || byte(i + 1) > high) return 0;
    for (std::size_t k = 2; k < need; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
    }
    return need;
}

}  // namespace

std::vector<std::size_t> utf16Offsets(const std::string& text) {
    std::vector<std::size_t> offsets;
    offsets.reserve(text.size() + 1);
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t bytes = sequenceLength(text, i);
        offsets.push_back(i);
        if (bytes == 4) offsets.push_back(i);  // a surrogate pair
        i += bytes == 0 ? 1 : bytes;
    }
    offsets.push_back(text.size());
    return offsets;
}

std::string displayableText(const std::string& text) {
    std::string result = text;
    std::size_t i = 0;
    while (i < result.size()) {
        std::size_t bytes = sequenceLength(result, i);
        if (bytes == 0 || result[i] == '\0') {
            result[i] = '?';
            bytes = 1;
        }
        i += bytes;
    }
    return result;
}

}  // namespace gfx::detail

#include "platform/gfx/Utf16.h"

#include "platform/gfx/Utf8.h"

namespace gfx::detail {

std::vector<std::size_t> utf16Offsets(const std::string& text) {
    std::vector<std::size_t> offsets;
    offsets.reserve(text.size() + 1);
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t bytes = utf8SequenceLength(text, i);
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
        std::size_t bytes = utf8SequenceLength(result, i);
        if (bytes == 0 || result[i] == '\0') {
            result[i] = '?';
            bytes = 1;
        }
        i += bytes;
    }
    return result;
}

}  // namespace gfx::detail

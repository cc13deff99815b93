#pragma once
// Reading UTF-8 one character at a time, for code that must tell well-formed
// characters from stray bytes (the text engine, messages that echo input).

#include <cstddef>
#include <string_view>

namespace gfx {

// Length in bytes of the well-formed UTF-8 sequence at i (no overlong forms,
// no surrogates, nothing above U+10FFFF), or 0 when the byte at i starts none.
// i must be inside the text.
std::size_t utf8SequenceLength(std::string_view text, std::size_t i);

}  // namespace gfx

#pragma once
// Internal to gfx: between UTF-16 offsets (how attributed texts count) and
// UTF-8 byte offsets (how the text is stored and laid out).

#include <cstddef>
#include <string>
#include <vector>

namespace gfx::detail {

// For each UTF-16 offset 0...length, the byte offset where it falls; an offset
// inside a surrogate pair maps to the start of its character. The last entry
// is the text's size. Malformed bytes count as one unit each.
std::vector<std::size_t> utf16Offsets(const std::string& text);

// The text with every byte that starts no well-formed UTF-8 sequence, and
// every NUL, replaced by "?": byte for byte, so offsets stay where they were.
// The text engine takes nothing else.
std::string displayableText(const std::string& text);

}  // namespace gfx::detail

#pragma once
// Reading a row index that a layout row carries as text (a locator's child, a
// block's item, a plug-in's row count): a whole decimal number and nothing
// else, so that a malformed row is refused instead of read in part.

#include <cstddef>
#include <optional>
#include <string_view>

namespace duolinear {

// The row index written as a whole decimal text ("12"); no value for anything
// else (signs, blanks, other characters, the empty text, too many digits).
std::optional<std::size_t> parseItemIndex(std::string_view text);

}  // namespace duolinear

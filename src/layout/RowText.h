#pragma once
// Appending one text, or the decimal text of a number, to a layout row. The
// layout writers add a few texts per row and a worked solution holds hundreds
// of rows, so the cost of making each text counts: TagRow::emplace_text copies
// its bytes straight into the row's buffer.

#include <charconv>
#include <cstddef>
#include <iterator>
#include <string_view>

#include "layout/TagRow.h"

namespace duolinear {

inline void appendText(TagRow& row, std::string_view text) {
    row.emplace_text(text);
}

// The decimal text of value.
inline void appendNumber(TagRow& row, long long value) {
    char digits[24];
    const std::to_chars_result written = std::to_chars(std::begin(digits), std::end(digits), value);
    appendText(row, std::string_view(digits, static_cast<std::size_t>(written.ptr - digits)));
}

}  // namespace duolinear

#pragma once
// Appending one text to a layout row cheaply. The layout writers add a few
// texts per row and a worked solution holds hundreds of rows, so the cost of
// making each text counts: a text of up to 15 bytes lives inside its string,
// and copying it with a length fixed at compile time is a few moves, where
// the general copy calls into the library. appendText picks that copy by the
// length; the result is the same string either way.

#include <charconv>
#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>

#include "layout/TagRow.h"

namespace duolinear {

inline void appendText(TagRow& row, std::string_view text) {
    const char* p = text.data();
    switch (text.size()) {
        case 0:
            row.emplace_back();
            return;
        case 1:
            row.emplace_fixed<1>(p);
            return;
        case 2:
            row.emplace_fixed<2>(p);
            return;
        case 3:
            row.emplace_fixed<3>(p);
            return;
        case 4:
            row.emplace_fixed<4>(p);
            return;
        case 5:
            row.emplace_fixed<5>(p);
            return;
        case 6:
            row.emplace_fixed<6>(p);
            return;
        case 7:
            row.emplace_fixed<7>(p);
            return;
        case 8:
            row.emplace_fixed<8>(p);
            return;
        case 9:
            row.emplace_fixed<9>(p);
            return;
        case 10:
            row.emplace_fixed<10>(p);
            return;
        case 11:
            row.emplace_fixed<11>(p);
            return;
        case 12:
            row.emplace_fixed<12>(p);
            return;
        case 13:
            row.emplace_fixed<13>(p);
            return;
        case 14:
            row.emplace_fixed<14>(p);
            return;
        case 15:
            row.emplace_fixed<15>(p);
            return;
        default:
            row.emplace_back(text);
            return;
    }
}

// The decimal text of value.
inline void appendNumber(TagRow& row, long long value) {
    char digits[24];
    const std::to_chars_result written = std::to_chars(std::begin(digits), std::end(digits), value);
    appendText(row, std::string_view(digits, static_cast<std::size_t>(written.ptr - digits)));
}

}  // namespace duolinear

#pragma once
// A readable dump of a TagLayout for tests: one string per row, the row's
// texts joined by ", " (so ["join_locator", "1", "4"] reads "join_locator, 1, 4").

#include <string>
#include <vector>

#include "layout/TagLayout.h"

namespace duolinear::testing {

inline std::string dumpRow(const TagRow& row) {
    std::string out;
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (i > 0) out += ", ";
        out += row[i];
    }
    return out;
}

inline std::vector<std::string> dump(const TagLayout& layout) {
    std::vector<std::string> rows;
    rows.reserve(layout.size());
    for (const TagRow& row : layout) rows.push_back(dumpRow(row));
    return rows;
}

}  // namespace duolinear::testing

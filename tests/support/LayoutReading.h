#pragma once
// Reads layouts back as text (LayoutReader.h tells how), so that tests can
// state whole steps briefly: one layout as one line, the lines of a step as
// a list. With marks, every red item is wrapped in *...*.

#include <string>
#include <vector>

#include "layout/TagLayout.h"
#include "support/LayoutReader.h"

namespace duolinear::testing {

inline std::string readLayout(const TagLayout& layout, bool marks = false) {
    return LayoutReader(layout, marks).read();
}

inline std::vector<std::string> readLines(const StepLines& lines, bool marks = false) {
    std::vector<std::string> out;
    for (const TagLayout& line : lines) out.push_back(readLayout(line, marks));
    return out;
}

}  // namespace duolinear::testing

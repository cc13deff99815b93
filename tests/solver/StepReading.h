#pragma once
// Reading the solver's steps back in tests: the message texts of a line with
// their colours, the captions of a worked solution, and a system's equation.

#include "SystemBuilders.h"
#include "layout/TagLayout.h"

#include <cstdint>
#include <string>
#include <vector>

namespace duolinear::testing {

// A message text and its colour, "text|colour".
inline std::vector<std::string> messagePieces(const TagLayout& line) {
    std::vector<std::string> pieces;
    for (std::size_t i = 1; i + 1 < line.size(); ++i) {
        if (line[i].size() == 2 && line[i][0] == "message") pieces.push_back(line[i][1] + "|" + line[i + 1][1]);
    }
    return pieces;
}

// The messages of the line joined into one text.
inline std::string lineText(const TagLayout& line) {
    std::string text;
    for (std::size_t i = 1; i < line.size(); ++i) {
        if (line[i].size() == 2 && line[i][0] == "message") text += line[i][1];
    }
    return text;
}

inline std::vector<std::string> captions(const StepComments& comments) {
    std::vector<std::string> result;
    for (const auto& lines : comments) result.push_back(lines.empty() ? "" : lines.front());
    return result;
}

inline PolyEquation row(std::int64_t a, std::int64_t b, std::int64_t c) {
    return solverEquation(Rational{a, 1}, Rational{b, 1}, Rational{c, 1});
}

}  // namespace duolinear::testing

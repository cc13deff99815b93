#pragma once
// Reads the lines of a quadratic worked solution back as text, so that a test
// can state whole steps briefly. The reading is that of support/LayoutReader.h,
// with these differences:
//   a "^" join           a^b
//   a unary item         its text around or before the child: (a), √a, -a
//   a stacked fraction   marked in its numerator's colour
// With marks, items in red are wrapped in *...*, in blue in _..._, in gray in
// %...% and in the colour clear in ~...~ (an operator or relation marks only
// itself).

#include <string>
#include <vector>

#include "layout/TagLayout.h"
#include "support/LayoutReader.h"

namespace duolinear::testing {

class QuadraticReader : public LayoutReader {
public:
    using LayoutReader::LayoutReader;

protected:
    std::string marked(const std::string& text, const std::string& color) const override {
        if (!marks()) return text;
        if (color == "red") return "*" + text + "*";
        if (color == "blue") return "_" + text + "_";
        if (color == "gray") return "%" + text + "%";
        if (color == "clear") return "~" + text + "~";
        return text;
    }
    std::string fractionColor(const TagRow& colors) const override { return at(colors, 2); }
    std::string unary(const std::string& op, const std::string& child, const std::string& color) const override {
        if (op == "()") return marked("(", color) + child + marked(")", color);
        return marked(op, color) + child;
    }
    std::string power(const std::string& base, const std::string& exponent, const std::string&) const override {
        return base + "^" + exponent;
    }
};

inline std::string readLine(const TagLayout& layout, bool marks = false) {
    return QuadraticReader(layout, marks).read();
}

inline std::vector<std::string> readLines(const StepLines& lines, bool marks = false) {
    std::vector<std::string> out;
    for (const TagLayout& line : lines) out.push_back(readLine(line, marks));
    return out;
}

}  // namespace duolinear::testing

#pragma once
// Reads the lines of a quadratic worked solution back as text, so that a test
// can state whole steps briefly:
//   a message            its text            a blank line    ""
//   a stacked fraction   [n/d], -[n/d]       a "/" join       {a/b}
//   a "🖇" join          a and b side by side
//   a "^" join           a^b                 another join     a op b
//   a unary item         its text around or before the child: (a), √a, -a
// With marks, items in red are wrapped in *...*, in blue in _..._, in gray in
// %...% and in the colour clear in ~...~ (an operator or relation marks only
// itself).

#include <string>
#include <vector>

#include "layout/TagLayout.h"

namespace duolinear::testing {

class QuadraticReader {
public:
    QuadraticReader(const TagLayout& layout, bool marks) : layout_(layout), marks_(marks) {}

    std::string read() const { return readItem(layoutRootIndex(layout_)); }

private:
    const TagRow& row(long long i) const {
        static const TagRow empty;
        return i >= 0 && static_cast<std::size_t>(i) < layout_.size() ? layout_[static_cast<std::size_t>(i)] : empty;
    }
    static std::string at(const TagRow& r, std::size_t i) { return i < r.size() ? r[i] : "?"; }
    std::string marked(const std::string& text, const std::string& color) const {
        if (!marks_) return text;
        if (color == "red") return "*" + text + "*";
        if (color == "blue") return "_" + text + "_";
        if (color == "gray") return "%" + text + "%";
        if (color == "clear") return "~" + text + "~";
        return text;
    }

    std::string readItem(long long i) const {
        const TagRow& kind = row(i);
        const std::string key = at(kind, 0);
        if (key == "BLANK") return "";
        if (key == "message" || key == "integer") return marked(at(kind, 1), at(row(i + 1), 1));
        if (key == "signed_rational") {
            const std::string sign = at(kind, 1) == "-" ? "-" : "";
            return marked(sign + "[" + at(kind, 2) + "/" + at(kind, 3) + "]", at(row(i + 1), 2));
        }
        if (key == "unary") {
            const std::string op = at(kind, 1);
            const std::string child = readItem(std::stoll(at(row(i + 1), 1)));
            if (op == "()") return marked("(", at(row(i + 2), 1)) + child + marked(")", at(row(i + 2), 1));
            return marked(op, at(row(i + 2), 1)) + child;
        }
        if (key == "join") {
            const TagRow& locator = row(i + 1);
            const std::string left = readItem(std::stoll(at(locator, 1)));
            const std::string right = readItem(std::stoll(at(locator, 2)));
            const std::string op = at(kind, 1);
            const std::string color = at(row(i + 2), 1);
            if (op == "🖇") return left + right;
            if (op == "/") return "{" + left + marked("/", color) + right + "}";
            if (op == "^") return left + "^" + right;
            return left + " " + marked(op, color) + " " + right;
        }
        return "<" + key + ">";
    }

    const TagLayout& layout_;
    bool marks_;
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

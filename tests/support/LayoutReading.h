#pragma once
// Reads a layout back as one line of text, so that tests can state whole
// steps briefly: messages as their text, a stacked fraction as [n/d] (with a
// leading - when negative), a "/" join as {a/b}, a "🖇" join as its two sides
// side by side, other joins as "a op b", a "()" unary as (a), a blank line as
// the empty text. With marks, every red item is wrapped in *...* (a red
// relation or operator as *=*), so a test can see what a step marks. A font
// item reads as its child.

#include <string>
#include <vector>

#include "layout/TagLayout.h"

namespace duolinear::testing {

class LayoutReader {
public:
    LayoutReader(const TagLayout& layout, bool marks) : layout_(layout), marks_(marks) {}

    std::string read() const { return readItem(layoutRootIndex(layout_)); }

private:
    const TagRow& row(long long i) const {
        static const TagRow empty;
        return i >= 0 && static_cast<std::size_t>(i) < layout_.size() ? layout_[static_cast<std::size_t>(i)] : empty;
    }
    static std::string at(const TagRow& r, std::size_t i) { return i < r.size() ? r[i] : "?"; }
    std::string marked(const std::string& text, bool red) const { return marks_ && red ? "*" + text + "*" : text; }

    std::string readItem(long long i) const {
        const TagRow& kind = row(i);
        const std::string key = at(kind, 0);
        if (key == "BLANK") return "";
        if (key == "message") return marked(at(kind, 1), at(row(i + 1), 1) == "red");
        if (key == "signed_rational") {
            const TagRow& colors = row(i + 1);
            bool red = false;
            for (std::size_t c = 1; c < colors.size(); ++c) red = red || colors[c] == "red";
            const std::string sign = at(kind, 1) == "-" ? "-" : "";
            return marked(sign + "[" + at(kind, 2) + "/" + at(kind, 3) + "]", red);
        }
        if (key == "font") return readItem(std::stoll(at(row(i + 1), 1)));
        if (key == "unary") {
            return at(kind, 1).substr(0, 1) + readItem(std::stoll(at(row(i + 1), 1))) + at(kind, 1).substr(1);
        }
        if (key == "join") {
            const TagRow& locator = row(i + 1);
            const std::string left = readItem(std::stoll(at(locator, 1)));
            const std::string right = readItem(std::stoll(at(locator, 2)));
            const bool red = at(row(i + 2), 1) == "red";
            const std::string op = at(kind, 1);
            if (op == "🖇") return left + right;
            if (op == "/") return "{" + left + marked("/", red) + right + "}";
            return left + " " + marked(op, red) + " " + right;
        }
        return "<" + key + ">";
    }

    const TagLayout& layout_;
    bool marks_;
};

inline std::string readLayout(const TagLayout& layout, bool marks = false) {
    return LayoutReader(layout, marks).read();
}

inline std::vector<std::string> readLines(const StepLines& lines, bool marks = false) {
    std::vector<std::string> out;
    for (const TagLayout& line : lines) out.push_back(readLayout(line, marks));
    return out;
}

}  // namespace duolinear::testing

#pragma once
// Reads a layout back as one line of text, so that tests can state whole
// steps briefly: messages and integers as their text, a stacked fraction as
// [n/d] (with a leading - when negative), a "/" join as {a/b}, a "🖇" join as
// its two sides side by side, other joins as "a op b", a unary item as its
// text around its child ("()" gives (a)), a font item as its child, a blank
// line as the empty text and any other kind as <kind>. With marks, every red item is wrapped in *...* (a
// red relation or operator as *=*), and a stacked fraction is red when any of
// its parts is.
//
// The folders whose lines hold more (powers, roots, more colours) derive
// their own readers and write those their way: they override marked(),
// fractionColor(), unary() and power().

#include <string>

#include "layout/TagLayout.h"

namespace duolinear::testing {

class LayoutReader {
public:
    LayoutReader(const TagLayout& layout, bool marks) : layout_(layout), marks_(marks) {}
    virtual ~LayoutReader() = default;
    LayoutReader(const LayoutReader&) = delete;
    LayoutReader& operator=(const LayoutReader&) = delete;

    std::string read() const { return readItem(layoutRootIndex(layout_)); }

protected:
    static std::string at(const TagRow& r, std::size_t i) { return i < r.size() ? std::string(r[i]) : "?"; }
    bool marks() const { return marks_; }

    // The text wrapped in the marks of the colour it is drawn in (a colour's
    // raw value, such as "red"); the text itself when marks are off.
    virtual std::string marked(const std::string& text, const std::string& color) const {
        return marks_ && color == "red" ? "*" + text + "*" : text;
    }
    // The colour a stacked fraction is read in, from its colour row (key,
    // then the sign, numerator, denominator and bar colours).
    virtual std::string fractionColor(const TagRow& colors) const {
        for (std::size_t c = 1; c < colors.size(); ++c) {
            if (colors[c] == "red") return "red";
        }
        return at(colors, 2);
    }
    // A unary item: its text op ("()", "√", "-"), its child read, and the
    // colour of op.
    virtual std::string unary(const std::string& op, const std::string& child, const std::string& color) const {
        return op.substr(0, 1) + child + op.substr(1);
    }
    // A "^" join, the colour that of its operator.
    virtual std::string power(const std::string& base, const std::string& exponent, const std::string& color) const {
        return base + " " + marked("^", color) + " " + exponent;
    }

private:
    const TagRow& row(long long i) const {
        static const TagRow empty;
        return i >= 0 && static_cast<std::size_t>(i) < layout_.size() ? layout_[static_cast<std::size_t>(i)] : empty;
    }

    std::string readItem(long long i) const {
        const TagRow& kind = row(i);
        const std::string key = at(kind, 0);
        if (key == "BLANK") return "";
        if (key == "message" || key == "integer") return marked(at(kind, 1), at(row(i + 1), 1));
        if (key == "signed_rational") {
            const std::string sign = at(kind, 1) == "-" ? "-" : "";
            return marked(sign + "[" + at(kind, 2) + "/" + at(kind, 3) + "]", fractionColor(row(i + 1)));
        }
        if (key == "font") return readItem(std::stoll(at(row(i + 1), 1)));
        if (key == "unary") return unary(at(kind, 1), readItem(std::stoll(at(row(i + 1), 1))), at(row(i + 2), 1));
        if (key == "join") {
            const TagRow& locator = row(i + 1);
            const std::string left = readItem(std::stoll(at(locator, 1)));
            const std::string right = readItem(std::stoll(at(locator, 2)));
            const std::string color = at(row(i + 2), 1);
            const std::string op = at(kind, 1);
            if (op == "🖇") return left + right;
            if (op == "/") return "{" + left + marked("/", color) + right + "}";
            if (op == "^") return power(left, right, color);
            return left + " " + marked(op, color) + " " + right;
        }
        return "<" + key + ">";
    }

    const TagLayout& layout_;
    bool marks_;
};

}  // namespace duolinear::testing

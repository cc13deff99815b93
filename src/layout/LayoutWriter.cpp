#include "layout/LayoutWriter.h"

#include <charconv>
#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>

#include "layout/RowText.h"

namespace duolinear {

namespace {

// A row's key is written from a literal, whose length the compiler knows
// (see RowText.h).
template <std::size_t N>
TagRow& keyed(TagLayout& layout, const char (&key)[N]) {
    TagRow& row = layout.emplace_back();
    row.emplace_fixed<N - 1>(key);
    return row;
}

// The decimal text of a magnitude: the text of the value without its sign
// (the magnitude of the least 64-bit value has no int64).
void appendMagnitude(TagRow& row, long long value) {
    const unsigned long long size =
        value < 0 ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
    char digits[24];
    const std::to_chars_result written = std::to_chars(std::begin(digits), std::end(digits), size);
    appendText(row, std::string_view(digits, static_cast<std::size_t>(written.ptr - digits)));
}

}  // namespace

LayoutWriter::LayoutWriter(std::size_t rows) {
    layout_.reserve(rows + 1);
    layout_.emplace_back();
}

LayoutWriter::Item LayoutWriter::message(const std::string& text, Color color, const std::string& tag) {
    const Item item = static_cast<Item>(layout_.size());
    layout_.emplace_back("message", text);
    layout_.emplace_back("message_color", rawValue(color));
    layout_.emplace_back("message_tag", tag);
    return item;
}

LayoutWriter::Item LayoutWriter::message(std::string&& text, Color color, const std::string& tag) {
    const Item item = static_cast<Item>(layout_.size());
    TagRow& row = keyed(layout_, "message");
    if (text.size() < 16) {
        appendText(row, text);
    } else {
        row.emplace_back(std::move(text));
    }
    layout_.emplace_back("message_color", rawValue(color));
    layout_.emplace_back("message_tag", tag);
    return item;
}

LayoutWriter::Item LayoutWriter::integer(long long value, Color color, const std::string& tag) {
    const Item item = static_cast<Item>(layout_.size());
    appendNumber(keyed(layout_, "integer"), value);
    layout_.emplace_back("integer_color", rawValue(color));
    layout_.emplace_back("integer_tag", tag);
    return item;
}

LayoutWriter::Item LayoutWriter::signedRational(long long numerator, long long denominator, Color signColor,
                                                Color numeratorColor, Color denominatorColor, Color barColor,
                                                const std::string& tag) {
    const bool positive = (numerator >= 0 && denominator >= 0) || (numerator <= 0 && denominator <= 0);
    const Item item = static_cast<Item>(layout_.size());
    TagRow& kind = keyed(layout_, "signed_rational");
    kind.emplace_fixed<1>(positive ? "+" : "-");
    appendMagnitude(kind, numerator);
    appendMagnitude(kind, denominator);
    TagRow& colors = keyed(layout_, "signed_rational_color");
    for (Color color : {signColor, numeratorColor, denominatorColor, barColor}) appendText(colors, rawValue(color));
    layout_.emplace_back("signed_rational_tag", tag);
    return item;
}

LayoutWriter::Item LayoutWriter::join(const std::string& text, Item left, Item right, Color color,
                                      const std::string& tag) {
    const Item item = static_cast<Item>(layout_.size());
    layout_.emplace_back("join", text);
    TagRow& locator = keyed(layout_, "join_locator");
    appendNumber(locator, left);
    appendNumber(locator, right);
    layout_.emplace_back("join_color", rawValue(color));
    layout_.emplace_back("join_tag", tag);
    return item;
}

LayoutWriter::Item LayoutWriter::unary(const std::string& text, Item child, Color color, const std::string& tag) {
    const Item item = static_cast<Item>(layout_.size());
    layout_.emplace_back("unary", text);
    appendNumber(keyed(layout_, "unary_locator"), child);
    layout_.emplace_back("unary_color", rawValue(color));
    layout_.emplace_back("unary_tag", tag);
    return item;
}

LayoutWriter::Item LayoutWriter::font(Font font, Item child, const std::string& tag) {
    const Item item = static_cast<Item>(layout_.size());
    layout_.emplace_back("font", rawValue(font));
    appendNumber(keyed(layout_, "font_locator"), child);
    layout_.emplace_back("font_tag", tag);
    return item;
}

TagLayout LayoutWriter::finish(Item root) && {
    TagRow& start = layout_[0];
    start.clear();
    start.emplace_fixed<5>("start");
    appendNumber(start, root);
    return std::move(layout_);
}

}  // namespace duolinear

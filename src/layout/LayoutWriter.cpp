#include "layout/LayoutWriter.h"

#include <string>
#include <utility>

namespace duolinear {

namespace {

// The keys of the rows written here, made once rather than per row.
struct RowKeys {
    std::string kind, locator, color, tag;
    explicit RowKeys(const std::string& k) : kind(k), locator(k + "_locator"), color(k + "_color"), tag(k + "_tag") {}
};

const RowKeys& messageKeys() {
    static const RowKeys keys("message");
    return keys;
}
const RowKeys& integerKeys() {
    static const RowKeys keys("integer");
    return keys;
}
const RowKeys& signedRationalKeys() {
    static const RowKeys keys("signed_rational");
    return keys;
}
const RowKeys& joinKeys() {
    static const RowKeys keys("join");
    return keys;
}
const RowKeys& unaryKeys() {
    static const RowKeys keys("unary");
    return keys;
}
const RowKeys& fontKeys() {
    static const RowKeys keys("font");
    return keys;
}

// The decimal text of a magnitude: the text of the value without its sign
// (the magnitude of the least 64-bit value has no int64).
std::string magnitudeText(long long value) {
    std::string text = std::to_string(value);
    if (text[0] == '-') text.erase(0, 1);
    return text;
}

}  // namespace

LayoutWriter::LayoutWriter(std::size_t rows) {
    layout_.reserve(rows + 1);
    layout_.emplace_back();
}

LayoutWriter::Item LayoutWriter::message(const std::string& text, Color color, const std::string& tag) {
    const RowKeys& keys = messageKeys();
    const Item item = static_cast<Item>(layout_.size());
    addRow(keys.kind, text);
    addRow(keys.color, rawValue(color));
    addRow(keys.tag, tag);
    return item;
}

LayoutWriter::Item LayoutWriter::integer(long long value, Color color, const std::string& tag) {
    const RowKeys& keys = integerKeys();
    const Item item = static_cast<Item>(layout_.size());
    addRow(keys.kind, std::to_string(value));
    addRow(keys.color, rawValue(color));
    addRow(keys.tag, tag);
    return item;
}

LayoutWriter::Item LayoutWriter::signedRational(long long numerator, long long denominator, Color signColor,
                                                Color numeratorColor, Color denominatorColor, Color barColor,
                                                const std::string& tag) {
    const RowKeys& keys = signedRationalKeys();
    const bool positive = (numerator >= 0 && denominator >= 0) || (numerator <= 0 && denominator <= 0);
    const Item item = static_cast<Item>(layout_.size());
    addRow(keys.kind, positive ? "+" : "-", magnitudeText(numerator), magnitudeText(denominator));
    addRow(keys.color, rawValue(signColor), rawValue(numeratorColor), rawValue(denominatorColor), rawValue(barColor));
    addRow(keys.tag, tag);
    return item;
}

LayoutWriter::Item LayoutWriter::join(const std::string& text, Item left, Item right, Color color,
                                      const std::string& tag) {
    const RowKeys& keys = joinKeys();
    const Item item = static_cast<Item>(layout_.size());
    addRow(keys.kind, text);
    addRow(keys.locator, std::to_string(left), std::to_string(right));
    addRow(keys.color, rawValue(color));
    addRow(keys.tag, tag);
    return item;
}

LayoutWriter::Item LayoutWriter::unary(const std::string& text, Item child, Color color, const std::string& tag) {
    const RowKeys& keys = unaryKeys();
    const Item item = static_cast<Item>(layout_.size());
    addRow(keys.kind, text);
    addRow(keys.locator, std::to_string(child));
    addRow(keys.color, rawValue(color));
    addRow(keys.tag, tag);
    return item;
}

LayoutWriter::Item LayoutWriter::font(Font font, Item child, const std::string& tag) {
    const RowKeys& keys = fontKeys();
    const Item item = static_cast<Item>(layout_.size());
    addRow(keys.kind, rawValue(font));
    addRow(keys.locator, std::to_string(child));
    addRow(keys.tag, tag);
    return item;
}

TagLayout LayoutWriter::finish(Item root) && {
    TagRow& start = layout_[0];
    start.clear();
    start.emplace_back("start");
    start.push_back(std::to_string(root));
    return std::move(layout_);
}

}  // namespace duolinear

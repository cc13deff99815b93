#include "layout/TagLayout.h"

#include <algorithm>
#include <charconv>
#include <iterator>

#include "layout/JoinTexts.h"
#include "layout/LayoutWriter.h"

namespace duolinear {

namespace {

// Decimal integer in text; malformed text reads as 0 so that a bad operand
// yields a bad layout rather than undefined behaviour.
long long parseIndex(std::string_view text) {
    long long value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

long long valueAt(const TagRow& row, std::size_t i) {
    return i < row.size() ? parseIndex(row[i]) : 0;
}

// The locator text of index + offset. A sum beyond the 64-bit range (only a
// malformed layout holds such an index) gives the empty text, which names no
// row: the locator stands for nothing.
std::string shiftedIndex(long long index, long long offset) {
    long long sum = 0;
    if (__builtin_add_overflow(index, offset, &sum)) return std::string();
    char digits[24];
    const std::to_chars_result written = std::to_chars(std::begin(digits), std::end(digits), sum);
    return std::string(digits, written.ptr);
}

// Room for `size` rows, growing by doubling so that a chain of joins that
// keeps extending one layout moves its rows only a logarithmic number of times.
void reserveRows(TagLayout& layout, std::size_t size) {
    if (layout.capacity() < size) layout.reserve(std::max(size, 2 * layout.capacity()));
}

// The child's rows, then the rows of a parent item that points at the child's
// root; the child keeps its indices.
TagLayout wrapChild(const std::string& kind, const std::string& text, TagLayout child,
                    const std::optional<Color>& color, const std::string& tag) {
    const long long c = static_cast<long long>(child.size());
    const long long root = layoutRootIndex(child);
    TagLayout out = std::move(child);
    if (out.empty()) out.emplace_back();
    reserveRows(out, out.size() + 4);
    out[0] = {"start", std::to_string(c)};
    out.push_back({kind, text});
    out.push_back({kind + "_locator", std::to_string(root)});
    if (color) out.push_back({kind + "_color", rawValue(*color)});
    out.push_back({kind + "_tag", tag});
    return out;
}

}  // namespace

long long layoutRootIndex(const TagLayout& layout) {
    return layout.empty() ? 0 : valueAt(layout[0], 1);
}

TagLayout messageLayout(const std::string& text, Color color, const std::string& tag) {
    LayoutWriter writer(3);
    const LayoutWriter::Item root = writer.message(text, color, tag);
    return std::move(writer).finish(root);
}

TagLayout messageLayout(std::string&& text, Color color, const std::string& tag) {
    LayoutWriter writer(3);
    const LayoutWriter::Item root = writer.message(std::move(text), color, tag);
    return std::move(writer).finish(root);
}

TagLayout integerLayout(long long value, Color color, const std::string& tag) {
    LayoutWriter writer(3);
    const LayoutWriter::Item root = writer.integer(value, color, tag);
    return std::move(writer).finish(root);
}

TagLayout signedRationalLayout(long long numerator, long long denominator, Color signColor, Color numeratorColor,
                               Color denominatorColor, Color barColor, const std::string& tag) {
    LayoutWriter writer(3);
    const LayoutWriter::Item root =
        writer.signedRational(numerator, denominator, signColor, numeratorColor, denominatorColor, barColor, tag);
    return std::move(writer).finish(root);
}

TagLayout joinLayouts(const std::string& text, TagLayout left, TagLayout right, Color color, const std::string& tag) {
    // An operand without an item (no rows, or its start row alone) has no
    // root for the join to name: the other operand stands alone.
    if (left.size() < 2) return right;
    if (right.size() < 2) return left;
    const long long k = static_cast<long long>(left.size()) - 1;
    const long long n = static_cast<long long>(right.size());
    const long long leftRoot = layoutRootIndex(left);
    const long long rightRoot = layoutRootIndex(right);
    TagLayout out = std::move(left);
    if (out.empty()) out.emplace_back();
    reserveRows(out, out.size() + right.size() + 3);
    out[0] = {"start", std::to_string(k + n)};
    for (std::size_t i = 1; i < right.size(); ++i) {
        if (k != 0) shiftLocators(right[i], k);
        out.push_back(std::move(right[i]));
    }
    out.push_back({"join", text});
    out.push_back({"join_locator", std::to_string(leftRoot), shiftedIndex(rightRoot, k)});
    out.push_back({"join_color", rawValue(color)});
    out.push_back({"join_tag", tag});
    return out;
}

TagLayout unaryLayout(const std::string& text, TagLayout child, Color color, const std::string& tag) {
    return wrapChild("unary", text, std::move(child), color, tag);
}

TagLayout fontLayout(Font font, TagLayout child, const std::string& tag) {
    return wrapChild("font", rawValue(font), std::move(child), std::nullopt, tag);
}

Layouts blankLayouts(long long count) {
    Layouts out;
    out.reserve(count > 1 ? static_cast<std::size_t>(count) : 1);
    do {
        // Written in place: the rows of a braced list would be copied.
        TagLayout& blank = out.emplace_back(2);
        blank[0].emplace_fixed<5>("start");
        blank[0].emplace_fixed<1>("1");
        blank[1].emplace_fixed<5>("BLANK");
        --count;
    } while (count > 0);
    return out;
}

std::optional<TagLayout> messagesLayout(const std::vector<ColoredText>& pieces) {
    std::optional<TagLayout> acc;
    for (const ColoredText& piece : pieces) {
        if (piece.text.empty()) continue;
        TagLayout next = messageLayout(piece.text, piece.color, defaultLayoutTag());
        acc = acc ? joinLayouts(kJuxtaposeJoin, std::move(*acc), std::move(next)) : std::move(next);
    }
    return acc;
}

std::optional<TagLayout> joinAllLayouts(Layouts layouts) {
    std::optional<TagLayout> acc;
    for (TagLayout& layout : layouts) {
        bool hasContent = false;
        for (const TagRow& row : layout) hasContent = hasContent || !row.empty();
        if (!hasContent) continue;
        acc = acc ? joinLayouts(kJuxtaposeJoin, std::move(*acc), std::move(layout)) : std::move(layout);
    }
    return acc;
}

TagRow shiftLocatorRow(const TagRow& row, long long offset) {
    TagRow shifted = row;
    shiftLocators(shifted, offset);
    return shifted;
}

void shiftLocators(TagRow& row, long long offset) {
    if (row.empty()) return;
    const std::string_view key = row[0];
    if (key == "unary_locator" || key == "font_locator" || key == "block") {
        const long long index = valueAt(row, 1);
        row.resize(2);
        row.set(1, shiftedIndex(index, offset));
    } else if (key == "join_locator") {
        const long long left = valueAt(row, 1);
        const long long right = valueAt(row, 2);
        row.resize(3);
        row.set(1, shiftedIndex(left, offset));
        row.set(2, shiftedIndex(right, offset));
    }
}

}  // namespace duolinear

#include "layout/TagLayout.h"

#include <charconv>

#include "layout/JoinTexts.h"

namespace duolinear {

namespace {

// Decimal integer in text; malformed text reads as 0 so that a bad operand
// yields a bad layout rather than undefined behaviour.
long long parseIndex(const std::string& text) {
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
    if (__builtin_add_overflow(index, offset, &sum)) return {};
    return std::to_string(sum);
}

TagLayout leaf(const std::string& kind, TagRow values, const TagRow& colors, const std::string& tag) {
    TagRow kindRow{kind};
    kindRow.insert(kindRow.end(), values.begin(), values.end());
    TagRow colorRow{kind + "_color"};
    colorRow.insert(colorRow.end(), colors.begin(), colors.end());
    return {{"start", "1"}, std::move(kindRow), std::move(colorRow), {kind + "_tag", tag}};
}

// Copies rows 1.. of a layout, for the parents whose child keeps its indices.
void appendBody(TagLayout& out, const TagLayout& layout, long long shift) {
    for (std::size_t i = 1; i < layout.size(); ++i) {
        out.push_back(shift == 0 ? layout[i] : shiftLocatorRow(layout[i], shift));
    }
}

TagLayout wrapChild(const std::string& kind, const std::string& text, const TagLayout& child,
                    const std::optional<Color>& color, const std::string& tag) {
    const long long c = static_cast<long long>(child.size());
    TagLayout out{{"start", std::to_string(c)}};
    appendBody(out, child, 0);
    out.push_back({kind, text});
    out.push_back({kind + "_locator", std::to_string(layoutRootIndex(child))});
    if (color) out.push_back({kind + "_color", rawValue(*color)});
    out.push_back({kind + "_tag", tag});
    return out;
}

}  // namespace

const std::string& defaultLayoutTag() {
    static const std::string tag = "anon";
    return tag;
}

long long layoutRootIndex(const TagLayout& layout) {
    return layout.empty() ? 0 : valueAt(layout[0], 1);
}

TagLayout messageLayout(const std::string& text, Color color, const std::string& tag) {
    return leaf("message", {text}, {rawValue(color)}, tag);
}

TagLayout integerLayout(long long value, Color color, const std::string& tag) {
    return leaf("integer", {std::to_string(value)}, {rawValue(color)}, tag);
}

TagLayout signedRationalLayout(long long numerator, long long denominator, Color signColor, Color numeratorColor,
                               Color denominatorColor, Color barColor, const std::string& tag) {
    const bool positive = (numerator >= 0 && denominator >= 0) || (numerator <= 0 && denominator <= 0);
    // Absolute values as text; the magnitude of INT64_MIN has no int64, so
    // strip the sign from the decimal text instead of negating.
    auto magnitude = [](long long v) {
        std::string s = std::to_string(v);
        return s[0] == '-' ? s.substr(1) : s;
    };
    return leaf("signed_rational", {positive ? "+" : "-", magnitude(numerator), magnitude(denominator)},
                {rawValue(signColor), rawValue(numeratorColor), rawValue(denominatorColor), rawValue(barColor)}, tag);
}

TagLayout joinLayouts(const std::string& text, const TagLayout& left, const TagLayout& right, Color color,
                      const std::string& tag) {
    const long long k = static_cast<long long>(left.size()) - 1;
    const long long n = static_cast<long long>(right.size());
    TagLayout out;
    out.reserve(left.size() + right.size() + 3);
    out.push_back({"start", std::to_string(k + n)});
    appendBody(out, left, 0);
    appendBody(out, right, k);
    out.push_back({"join", text});
    out.push_back({"join_locator", std::to_string(layoutRootIndex(left)), shiftedIndex(layoutRootIndex(right), k)});
    out.push_back({"join_color", rawValue(color)});
    out.push_back({"join_tag", tag});
    return out;
}

TagLayout unaryLayout(const std::string& text, const TagLayout& child, Color color, const std::string& tag) {
    return wrapChild("unary", text, child, color, tag);
}

TagLayout fontLayout(Font font, const TagLayout& child, const std::string& tag) {
    return wrapChild("font", rawValue(font), child, std::nullopt, tag);
}

std::vector<TagLayout> blankLayouts(long long count) {
    std::vector<TagLayout> out;
    do {
        out.push_back({{"start", "1"}, {"BLANK"}});
        --count;
    } while (count > 0);
    return out;
}

std::optional<TagLayout> messagesLayout(const std::vector<ColoredText>& pieces) {
    std::optional<TagLayout> acc;
    for (const ColoredText& piece : pieces) {
        if (piece.text.empty()) continue;
        TagLayout next = messageLayout(piece.text, piece.color, defaultLayoutTag());
        acc = acc ? joinLayouts(kJuxtaposeJoin, *acc, next) : std::move(next);
    }
    return acc;
}

std::optional<TagLayout> joinAllLayouts(const std::vector<TagLayout>& layouts) {
    std::optional<TagLayout> acc;
    for (const TagLayout& layout : layouts) {
        bool hasContent = false;
        for (const TagRow& row : layout) hasContent = hasContent || !row.empty();
        if (!hasContent) continue;
        acc = acc ? joinLayouts(kJuxtaposeJoin, *acc, layout) : layout;
    }
    return acc;
}

TagRow shiftLocatorRow(const TagRow& row, long long offset) {
    if (row.empty()) return row;
    const std::string& key = row[0];
    if (key == "unary_locator" || key == "font_locator" || key == "block") {
        return {key, shiftedIndex(valueAt(row, 1), offset)};
    }
    if (key == "join_locator") {
        return {key, shiftedIndex(valueAt(row, 1), offset), shiftedIndex(valueAt(row, 2), offset)};
    }
    return row;
}

}  // namespace duolinear

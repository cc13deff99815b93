#include "layout_extensions/PlugInMeasurers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

#include "algebra/TextFunctions.h"
#include "layout_extensions/PlugInDrawingSupport.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/Text.h"

namespace duolinear {

namespace {

// Fixed room of the measured pictures, in points.
constexpr double kTextGap = 5.0;
constexpr double kChoiceGap = 30.0;
constexpr double kLatticeDigitGap = 1.25;
constexpr PlugInSize kNothing{};

bool isUsableSize(double size) {
    return std::isfinite(size) && size > 0.0;
}

PlugInSize centred(double width, double height) {
    return {width, height, 0.5 * height};
}

// A decimal number of steps: digits with an optional fraction part, at least 0.
std::optional<double> parseStepCount(std::string_view text) {
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    auto isDigits = [](std::string_view part) {
        return std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (whole.empty() || !isDigits(whole) || !isDigits(fraction)) return std::nullopt;
    if (point != std::string_view::npos && fraction.empty()) return std::nullopt;
    double value = 0.0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

bool isCount(std::int64_t n) {
    return n >= 0;
}

bool isDigitCount(std::int64_t n) {
    return n >= 1 && n <= kMostPlugInDigits;
}

// A count of things read from a list: present, a number, at least 0.
std::optional<std::int64_t> countAt(const TextList& values, std::size_t position) {
    if (position >= values.size()) return std::nullopt;
    const std::optional<std::int64_t> n = parsePlugInInteger(values[position]);
    return n && isCount(*n) ? n : std::nullopt;
}

std::optional<std::int64_t> digitCountAt(const TextList& values, std::size_t position) {
    if (position >= values.size()) return std::nullopt;
    const std::optional<std::int64_t> n = parsePlugInInteger(values[position]);
    return n && isDigitCount(*n) ? n : std::nullopt;
}

// "1" followed by n - 1 zeros, for a digit count n.
std::string pow10Text(std::int64_t n) {
    return "1" + std::string(static_cast<std::size_t>(n - 1), '0');
}

std::string eights(std::int64_t count) {
    return std::string(static_cast<std::size_t>(count), '8');
}

}  // namespace

std::optional<std::int64_t> parsePlugInInteger(std::string_view text) {
    const std::string_view digits = text.starts_with('-') ? text.substr(1) : text;
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

double latticeCellSide(double size) {
    const gfx::Font a = plugInFont(0.75 * size);
    const gfx::FontMetrics ma = a.metrics();
    const double digits = widthIn(a, "8" + superscriptDigit("8"));
    return 2.0 * std::max(0.5 * (ma.lineHeight + ma.capHeight), digits + kLatticeDigitGap);
}

double gridCellSide(double size, std::int64_t columnHeadingLength, std::int64_t rowHeadingLength) {
    const gfx::Font a = plugInFont(0.75 * size), c = plugInFont(size);
    return std::max({a.metrics().lineHeight, widthIn(a, eights(columnHeadingLength + rowHeadingLength)) + kGridCellPad,
                     c.metrics().lineHeight, widthIn(c, eights(columnHeadingLength)) + kGridCellPad});
}

std::int64_t longestTextLength(const TextList& texts) {
    std::int64_t longest = 0;
    for (const std::string& text : texts) longest = std::max(longest, plugInCharacterCount(text));
    return longest;
}

PlugInSize measureLatticeMultiply(double size, std::int64_t rows, std::int64_t columns) {
    if (!isUsableSize(size) || rows < 1 || columns < 1) return kNothing;
    const gfx::Font b = plugInFont(0.9 * size), c = plugInFont(size);
    const gfx::FontMetrics mb = b.metrics(), mc = c.metrics();
    const double cell = latticeCellSide(size);
    const double width = static_cast<double>(columns) * cell + widthIn(b, "8") + (mb.ascender - mb.capHeight) -
                         mc.descender + widthIn(c, "8");
    const double height = static_cast<double>(rows) * cell + mb.lineHeight + mc.lineHeight;
    return centred(width, height);
}

PlugInSize measureGridMultiply(double size, std::int64_t rows, std::int64_t columns,
                               std::int64_t columnHeadingLength, std::int64_t rowHeadingLength) {
    const auto isLength = [](std::int64_t n) { return n >= 0 && n <= kMostPlugInDigits + 1; };
    if (!isUsableSize(size) || rows < 1 || columns < 1 || !isLength(columnHeadingLength) ||
        !isLength(rowHeadingLength)) {
        return kNothing;
    }
    const gfx::Font c = plugInFont(size);
    const gfx::FontMetrics mc = c.metrics();
    const double cell = gridCellSide(size, columnHeadingLength, rowHeadingLength);
    const double width = static_cast<double>(columns) * cell - mc.descender + widthIn(c, eights(rowHeadingLength));
    return centred(width, static_cast<double>(rows) * cell + mc.lineHeight);
}

PlugInSize measureTableauOp(double size, const std::string& mode, const TextList& globals, const TextList& locals) {
    const std::optional<std::int64_t> c = countAt(locals, 0);
    const std::optional<std::int64_t> g1 = digitCountAt(globals, 1);
    const std::optional<std::int64_t> g2 = countAt(globals, 2);
    if (!isUsableSize(size) || !c || !g1 || !g2) return kNothing;
    const gfx::Font f = plugInFont(size), p = plugInFont(0.7 * size), h = plugInFont(0.5 * size);
    const double small = static_cast<double>(*g2);
    const double r = static_cast<double>(*c) - small <= 2.0 ? small + 3.0 : static_cast<double>(*c);
    const double width = widthIn(f, "+" + pow10Text(*g1)) + plugInGap(size) * static_cast<double>(*g1);
    const double height = (r - small) * f.metrics().lineHeight + small * p.metrics().lineHeight +
                          placeValueLabelBand(h, *g1) + kTextGap * (r + 5.0);
    return centred(width, height);
}

PlugInSize measureDividePartialOp(double size, const std::string& mode, const TextList& globals,
                                  const TextList& locals) {
    if (!isUsableSize(size) || globals.size() < 4 || locals.size() < 2) return kNothing;
    const std::optional<double> steps = parseStepCount(locals[1]);
    if (!steps) return kNothing;
    const gfx::Font f = plugInFont(size);
    const double lh = f.metrics().lineHeight;
    const double m = plugInGap(size);
    const double remainder = widthIn(f, " R ") + widthIn(f, globals[3]);
    const double choice = kChoiceGap + widthIn(f, "+") + m + widthIn(f, globals[2]);
    const double width = widthIn(f, globals[1]) + 2.0 * m + widthIn(f, globals[0]) + std::max(remainder, choice);
    const std::string& phase = locals[0];
    double height = lh * (2.0 * *steps + 2.0) + kTextGap * (*steps + 1.0);
    if (phase == "GRAB AND CHOOSE" || phase == "PROBLEM" || phase == "CHOOSE") height += lh;
    return centred(width, height);
}

PlugInSize measureDivideOp(double size, const std::string& mode, const TextList& globals, const TextList& locals) {
    if (!isUsableSize(size) || globals.size() < 4 || locals.size() < 2) return kNothing;
    const std::optional<double> steps = parseStepCount(locals[1]);
    if (!steps) return kNothing;
    const gfx::Font f = plugInFont(size);
    const double lh = f.metrics().lineHeight;
    const double remainder = globals[3] == "0" ? 0.0 : widthIn(f, " R " + globals[3]);
    const double width = widthIn(f, globals[1] + globals[0]) + remainder + 2.0 * plugInGap(size);
    const std::string& phase = locals[0];
    double height = (2.0 * lh + kTextGap) * (1.0 + *steps);
    if (phase == "MULTIPLY") height += lh;
    if (phase == "SUBTRACT") height += 2.0 * lh + kTextGap;
    return centred(width, height);
}

PlugInSize measureAddColumn(double size, const std::string& mode, std::int64_t lines, std::int64_t rows,
                            std::int64_t columns) {
    if (!isUsableSize(size) || !isCount(lines) || !isCount(rows) || !isDigitCount(columns)) return kNothing;
    const gfx::Font f = plugInFont(size), h = plugInFont(0.5 * size);
    const double n = static_cast<double>(lines);
    const double width = widthIn(f, mode + pow10Text(columns)) + plugInGap(size) * static_cast<double>(columns);
    const double height = f.metrics().lineHeight * n + kTextGap * (n + 1.0) + placeValueLabelBand(h, columns) + kTextGap;
    return centred(width, height);
}

PlugInSize measureCountOp(double size, const std::string& mode, const TextList& globals, const TextList& locals) {
    const std::optional<std::int64_t> g1 = digitCountAt(globals, 1);
    const std::optional<std::int64_t> k = countAt(locals, 1);
    if (!isUsableSize(size) || !g1 || !k) return kNothing;
    const gfx::Font f = plugInFont(size), h = plugInFont(0.5 * size);
    const double m = plugInGap(size);
    const std::string sign = globals[0] == "COUNT DOWN" ? "\u2212" : "+";
    double width = widthIn(f, sign + pow10Text(*g1)) + m;
    const std::string& phase = locals[0];
    if (phase == "SUMMARY" || phase == "COUNT") {
        const std::optional<std::int64_t> g2 = digitCountAt(globals, 2);
        if (!g2) return kNothing;
        width += kChoiceGap + widthIn(f, "+" + pow10Text(*g2)) + m;
    }
    const double steps = static_cast<double>(*k);
    const double height = f.metrics().lineHeight * (2.0 * steps + 1.0) + 3.0 * kTextGap * steps + kTextGap +
                          placeValueLabelBand(h, *g1) + kTextGap;
    return centred(width, height);
}

}  // namespace duolinear

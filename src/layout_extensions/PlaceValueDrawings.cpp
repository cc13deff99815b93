#include "layout_extensions/PlaceValueDrawings.h"

#include <algorithm>
#include <numbers>
#include <optional>

#include "algebra/TextFunctions.h"
#include "layout/drawing/TextDrawing.h"
#include "layout_extensions/PlugInDrawingSupport.h"
#include "layout_extensions/PlugInMeasurers.h"
#include "platform/gfx/Context.h"

namespace duolinear {

namespace {

constexpr double kRowGap = 5.0;
constexpr double kRuleGap = 10.0;                          // below the row a rule follows
constexpr double kRuleRise = 6.25;                         // of a rule above the top of the row after it
constexpr double kStrikeWidth = 3.0;                       // of the stroke through a struck cell
constexpr double kColumnLineWidth = 1.25;                  // of the lines between columns
constexpr double kRowFit = 1e-9;                           // rounding allowed when a row's fit is checked
constexpr double kLabelAngle = -0.425 * std::numbers::pi;  // the labels rise steeply to the right

// The fonts and measures of one drawing at size S.
struct ColumnMeasures {
    gfx::Font main, small, tiny;
    double gap = 0.0;    // g
    double digit = 0.0;  // d, the width of "0"
    double line = 0.0;   // lh
    double smallLine = 0.0;
    double firstRowTop = 0.0;  // T: below the label band
};

ColumnMeasures columnMeasures(double size, std::int64_t columns, double top) {
    ColumnMeasures m{plugInFont(size), plugInFont(0.7 * size), plugInFont(0.5 * size)};
    m.gap = plugInGap(size);
    m.digit = widthIn(m.main, "0");
    m.line = m.main.metrics().lineHeight;
    m.smallLine = m.small.metrics().lineHeight;
    const gfx::Size label = gfx::measureText(powerOfTenText(columns - 1).value_or(""), {m.tiny});
    m.firstRowTop = top + std::max(label.width, label.height) + kRowGap;
    return m;
}

void drawLabels(const ColumnMeasures& m, std::int64_t columns, double x0) {
    const double tinyDigit = widthIn(m.tiny, "0");
    drawPlaceValueLabels(columns, {m.tiny}, x0 - 0.5 * tinyDigit + 0.5 * m.digit, m.digit + m.gap,
                         m.firstRowTop - kRowGap, kLabelAngle);
}

// Letter `position` of an attribute code; a missing letter is off.
char letter(const std::string& code, std::size_t position) {
    return position < code.size() ? code[position] : 'N';
}

gfx::Color highlight(char letter) {
    if (letter == 'G') return gfx::Color::gray();
    if (letter == 'R') return gfx::Color::lightGray();
    return gfx::Color::clear();
}

bool isGrid(const TextGrid& grid, std::size_t rows, std::size_t columns) {
    return grid.size() == rows &&
           std::all_of(grid.begin(), grid.end(), [&](const TextList& row) { return row.size() == columns; });
}

// The left edge of a text `width` wide centred on the column at `left`.
double centredInColumn(double left, double digit, double width) {
    return left + 0.5 * digit - 0.5 * width;
}

// The room of a text in the column at `left`: the column's pitch less the
// width of the line midway between two columns, so that it touches neither
// that line nor its neighbour's text; and never past the item's right edge
// at `right` (a centred text reaches as far to the left of the column's
// middle as to its right).
double roomInColumn(const ColumnMeasures& m, double left, double right, TextAnchor anchor) {
    const double edge = anchor == TextAnchor::centre ? 2.0 * (right - left - 0.5 * m.digit) : right - left;
    return std::min(m.digit + m.gap - kColumnLineWidth, edge);
}

void drawRule(gfx::Context* context, double left, double right, double height) {
    if (context != nullptr) drawLine(*context, gfx::Color::black(), {left, height}, {right, height}, kPlugInLineWidth);
}

}  // namespace

void drawTableauOp(const std::string& text, const TextGrid& tableau, const TextGrid& attributes,
                   const TextList& globals, const TextList& locals, double x, double y, double size) {
    if (globals.size() < 4 || locals.size() < 2) return;
    const PlugInSize box = measureTableauOp(size, text, globals, locals);
    const std::optional<std::int64_t> plusRow = parsePlugInInteger(globals[0]);
    if (box.height <= 0.0 || !plusRow) return;
    // The measurer has read these three as counts.
    const std::int64_t columns = *parsePlugInInteger(globals[1]);
    const std::int64_t small = *parsePlugInInteger(globals[2]);
    const std::int64_t rows = *parsePlugInInteger(locals[0]);
    const std::size_t n = static_cast<std::size_t>(rows), count = static_cast<std::size_t>(columns);
    if (!isGrid(tableau, n, count) || !isGrid(attributes, n, count)) return;
    const bool compact = globals[3] == "true", plus = locals[1] == "true";

    const ColumnMeasures m = columnMeasures(size, columns, y - box.ascent);
    const double d = m.digit, g = m.gap, lh = m.line;
    const double p = widthIn(m.main, "+"), t = widthIn(m.main, text);
    const double x0 = x + p + g, x1 = x0 + static_cast<double>(columns) * (d + g) - g;
    const double k = static_cast<double>(small);
    const double ya = m.firstRowTop + k * (m.smallLine + kRowGap) + lh + kRowGap;
    const double yb = ya + lh + kRuleGap;
    const double yc = yb + (compact ? 0.0 : (lh + kRowGap) * (static_cast<double>(rows) - 4.0 - k));
    const double yd = yc + lh + kRuleGap;
    const double ye = yd + (compact ? 0.0 : lh + kRuleGap);
    gfx::Context* context = gfx::currentContext();

    // The text stands in the "+"-wide slot at the left; a wider text is drawn
    // smaller there.
    drawTextInRoom(text, {x + 0.5 * (p - t), ya}, {m.main}, p, TextAnchor::centre);
    drawLabels(m, columns, x0);
    if (context != nullptr) {
        drawRule(context, x0, x1, yb - kRuleRise);
        if (plus) {
            gfx::drawText("+", {x, yc}, {m.main});
            drawRule(context, x0, x1, yd - kRuleRise);
            drawRule(context, x0, x1, ye - kRuleRise);
        } else if (compact) {
            drawRule(context, x0, x1, ye - kRuleRise);
        }
    }

    const double right = x + box.width;
    const double w10 = widthIn(m.small, "10"), h10 = gfx::measureText("10", {m.small}).height;
    const double hS = gfx::measureText("0", {m.small}).height;
    double top = m.firstRowTop;
    for (std::size_t r = 0; r < n; ++r) {
        const std::int64_t row = static_cast<std::int64_t>(r);
        double left = x0;
        for (std::size_t c = 0; c < count; ++c, left += d + g) {
            const std::string& cell = tableau[r][c];
            const std::string& code = attributes[r][c];
            if (letter(code, 0) != 'Y' || cell == "Z") continue;
            const bool struck = letter(code, 1) == 'Y';
            const gfx::Color behind = highlight(letter(code, 2));
            if (row < small) {
                // The highlight is two small digits wide, whatever the text,
                // and shrinks with a text where the column has less room.
                const double room = roomInColumn(m, left, right, TextAnchor::centre);
                const gfx::Rect highlight =
                    drawTextInRoom("10", {centredInColumn(left, d, w10), top}, {m.small, gfx::Color::clear(), behind},
                                   room, TextAnchor::centre);
                const double w = widthIn(m.small, cell);
                drawTextInRoom(cell, {centredInColumn(left, d, w), top}, {m.small}, room, TextAnchor::centre);
                if (struck && context != nullptr) {
                    const double base = top + 0.5 * m.smallLine + 0.5 * hS, rise = h10 * highlight.width() / w10;
                    drawLine(*context, gfx::Color::black(), {highlight.minX(), base}, {highlight.maxX(), base - rise},
                             kStrikeWidth);
                }
            } else {
                const gfx::TextAttributes full{m.main, gfx::Color::black(), behind};
                if (cell == "-") {
                    gfx::drawText(cell, {left + d + g - t, top}, full);
                } else {
                    drawTextInRoom(cell, {left, top}, full, roomInColumn(m, left, right, TextAnchor::left),
                                   TextAnchor::left);
                }
                if (struck && context != nullptr) {
                    drawLine(*context, gfx::Color::black(), {left, top + lh}, {left + d, top}, kStrikeWidth);
                }
            }
        }
        if (row < small) {
            top += m.smallLine + kRowGap;
        } else if (row == small) {
            top += lh + kRowGap;
        } else if (row == small + 1) {
            top += lh + kRuleGap;
        } else if (row + 2 == *plusRow) {
            top += plus ? lh + kRuleGap : 0.0;
        } else {
            top += lh + kRowGap;
        }
    }
}

void drawAddColumn(const std::string& text, std::int64_t lines, std::int64_t rows, std::int64_t columns,
                   const TextGrid& tableau, const TextGrid& attributes, double x, double y, double size) {
    const PlugInSize box = measureAddColumn(size, text, lines, rows, columns);
    if (box.height <= 0.0) return;
    const std::size_t n = static_cast<std::size_t>(rows), count = static_cast<std::size_t>(columns);
    if (!isGrid(tableau, n, count) || !isGrid(attributes, n, count)) return;

    const double top = y - box.ascent;
    const ColumnMeasures m = columnMeasures(size, columns, top);
    const double d = m.digit, g = m.gap, lh = m.line;
    const double x0 = x + widthIn(m.main, text) + g, x1 = x0 + static_cast<double>(columns) * (d + g) - g;
    const double ya = m.firstRowTop + lh + kRowGap, yb = ya + lh + kRuleGap;
    gfx::Context* context = gfx::currentContext();

    // The item has room for the rows it is sized for; a row, the text in
    // front of row 1 or the rule under it that would fall below is left out.
    const double itemBottom = top + box.height;
    const auto fits = [&](double bottom) { return bottom <= itemBottom + kRowFit; };
    if (fits(ya + lh)) gfx::drawText(text, {x, ya}, {m.main});
    drawLabels(m, columns, x0);
    if (context != nullptr) {
        if (fits(yb - kRuleRise + 0.5 * kPlugInLineWidth)) drawRule(context, x0, x1, yb - kRuleRise);
        const double bottom = m.firstRowTop + static_cast<double>(lines) * (lh + kRowGap);
        for (std::int64_t j = 0; j + 1 < columns; ++j) {
            const double across = x0 + d + 0.5 * g + static_cast<double>(j) * (d + g);
            drawLine(*context, gfx::Color::black(), {across, top}, {across, bottom}, kColumnLineWidth);
        }
    }

    // A smaller text is centred on the height of a full-size digit.
    const double drop = 0.5 * (gfx::measureText("0", {m.main}).height - gfx::measureText("0", {m.small}).height);
    const double right = x + box.width;
    double rowTop = m.firstRowTop;
    for (std::size_t r = 0; r < n && fits(rowTop + lh); ++r) {
        double left = x0;
        for (std::size_t c = 0; c < count; ++c, left += d + g) {
            const std::string& cell = tableau[r][c];
            const std::string& code = attributes[r][c];
            if (letter(code, 0) != 'Y' || cell == "Z") continue;
            const gfx::Color behind = highlight(letter(code, 1));
            if (plugInCharacterCount(cell) == 1) {
                gfx::drawText(cell, {left, rowTop}, {m.main, gfx::Color::black(), behind});
            } else {
                const double w = widthIn(m.small, cell);
                drawTextInRoom(cell, {centredInColumn(left, d, w), rowTop + drop},
                               {m.small, gfx::Color::black(), behind}, roomInColumn(m, left, right, TextAnchor::centre),
                               TextAnchor::centre);
            }
        }
        rowTop += r == 1 ? lh + kRuleGap : lh + kRowGap;
    }
}

}  // namespace duolinear

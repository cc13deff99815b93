#include "layout_extensions/PlaceValueDrawings.h"

#include <algorithm>
#include <cmath>
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
    m.firstRowTop = top + placeValueLabelBand(m.tiny, columns) + kRowGap;
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

// The stroke through a struck cell, rising to the right; where its ink would
// reach past the item's right edge at `right` it ends sooner, along its own
// line. Its square end reaches beyond the end point by half the stroke's width
// times the sine of its slope.
void drawStrike(gfx::Context& context, gfx::Point from, gfx::Point to, double right) {
    const double dx = to.x - from.x, dy = to.y - from.y, length = std::hypot(dx, dy);
    const double reach = length > 0.0 ? 0.5 * kStrikeWidth * std::abs(dy) / length : 0.0;
    if (dx > 0.0 && to.x + reach > right) {
        const double share = std::max(0.0, (right - reach - from.x) / dx);
        to = {from.x + share * dx, from.y + share * dy};
    }
    drawLine(context, gfx::Color::black(), from, to, kStrikeWidth);
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
                    drawStrike(*context, {highlight.minX(), base}, {highlight.maxX(), base - rise}, right);
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
                    drawStrike(*context, {left, top + lh}, {left + d, top}, right);
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

namespace {

// Where a column addition of `columns` columns stands in its box (left edge x,
// top `top`), and the cells it shows.
struct AddColumnPlan {
    ColumnMeasures m;
    double x = 0.0, x0 = 0.0, x1 = 0.0, ya = 0.0, yb = 0.0, right = 0.0, bottom = 0.0;

    // The item has room for the rows it is sized for; a row, the text in
    // front of row 1 or the rule under it that would fall below is left out.
    bool fits(double lowest) const { return lowest <= bottom + kRowFit; }
};

AddColumnPlan addColumnPlan(const std::string& text, std::int64_t columns, const PlugInSize& box, double x, double top,
                            double size) {
    AddColumnPlan plan{columnMeasures(size, columns, top)};
    const ColumnMeasures& m = plan.m;
    plan.x = x;
    plan.x0 = x + widthIn(m.main, text) + m.gap;
    plan.x1 = plan.x0 + static_cast<double>(columns) * (m.digit + m.gap) - m.gap;
    plan.ya = m.firstRowTop + m.line + kRowGap;
    plan.yb = plan.ya + m.line + kRuleGap;
    plan.right = x + box.width;
    plan.bottom = top + box.height;
    return plan;
}

// Calls visit(text, attributes, top-left corner, room, anchor) for each cell
// the plan shows, in drawing order: a one-character text full size at its
// column's left edge, any other in the smaller font, centred on the column
// and on the height of a full-size digit.
template <typename Visit>
void forEachShownCell(const AddColumnPlan& plan, const TextGrid& tableau, const TextGrid& attributes, Visit visit) {
    const ColumnMeasures& m = plan.m;
    const double d = m.digit, lh = m.line;
    const double drop = 0.5 * (gfx::measureText("0", {m.main}).height - gfx::measureText("0", {m.small}).height);
    double rowTop = m.firstRowTop;
    for (std::size_t r = 0; r < tableau.size() && plan.fits(rowTop + lh); ++r) {
        double left = plan.x0;
        for (std::size_t c = 0; c < tableau[r].size(); ++c, left += d + m.gap) {
            const std::string& cell = tableau[r][c];
            const std::string& code = attributes[r][c];
            if (letter(code, 0) != 'Y' || cell == "Z") continue;
            const gfx::Color behind = highlight(letter(code, 1));
            if (plugInCharacterCount(cell) == 1) {
                // A digit has its column's width; the rounding of the box's
                // width must not shrink it.
                visit(cell, gfx::TextAttributes{m.main, gfx::Color::black(), behind}, gfx::Point{left, rowTop},
                      roomInColumn(m, left, plan.right, TextAnchor::left) + kRowFit, TextAnchor::left);
            } else {
                visit(cell, gfx::TextAttributes{m.small, gfx::Color::black(), behind},
                      gfx::Point{centredInColumn(left, d, widthIn(m.small, cell)), rowTop + drop},
                      roomInColumn(m, left, plan.right, TextAnchor::centre), TextAnchor::centre);
            }
        }
        rowTop += r == 1 ? lh + kRuleGap : lh + kRowGap;
    }
}

}  // namespace

PlugInSize measureAddColumnCells(double size, const std::string& text, std::int64_t lines, std::int64_t rows,
                                 std::int64_t columns, const TextGrid& tableau, const TextGrid& attributes) {
    const PlugInSize box = measureAddColumn(size, text, lines, rows, columns);
    const std::size_t n = static_cast<std::size_t>(rows), count = static_cast<std::size_t>(columns);
    if (box.height <= 0.0 || !isGrid(tableau, n, count) || !isGrid(attributes, n, count)) return box;
    bool allFit = true;
    forEachShownCell(addColumnPlan(text, columns, box, 0.0, 0.0, size), tableau, attributes,
                     [&](const std::string& cell, const gfx::TextAttributes& set, gfx::Point, double room, TextAnchor) {
                         const gfx::Font smallest = set.font.withSize(shrunkFontSize(cell, set.font, room));
                         allFit = allFit && widthIn(smallest, cell) <= room;
                     });
    return allFit ? box : PlugInSize{};
}

void drawAddColumn(const std::string& text, std::int64_t lines, std::int64_t rows, std::int64_t columns,
                   const TextGrid& tableau, const TextGrid& attributes, double x, double y, double size) {
    const std::size_t n = static_cast<std::size_t>(rows), count = static_cast<std::size_t>(columns);
    if (!isGrid(tableau, n, count) || !isGrid(attributes, n, count)) return;
    const PlugInSize box = measureAddColumnCells(size, text, lines, rows, columns, tableau, attributes);
    if (box.height <= 0.0) return;

    const double top = y - box.ascent;
    const AddColumnPlan plan = addColumnPlan(text, columns, box, x, top, size);
    const ColumnMeasures& m = plan.m;
    gfx::Context* context = gfx::currentContext();

    if (plan.fits(plan.ya + m.line)) gfx::drawText(text, {x, plan.ya}, {m.main});
    drawLabels(m, columns, plan.x0);
    if (context != nullptr) {
        if (plan.fits(plan.yb - kRuleRise + 0.5 * kPlugInLineWidth)) drawRule(context, plan.x0, plan.x1, plan.yb - kRuleRise);
        const double bottom = m.firstRowTop + static_cast<double>(lines) * (m.line + kRowGap);
        for (std::int64_t j = 0; j + 1 < columns; ++j) {
            const double across = plan.x0 + m.digit + 0.5 * m.gap + static_cast<double>(j) * (m.digit + m.gap);
            drawLine(*context, gfx::Color::black(), {across, top}, {across, bottom}, kColumnLineWidth);
        }
    }
    forEachShownCell(plan, tableau, attributes,
                     [](const std::string& cell, const gfx::TextAttributes& set, gfx::Point at, double room,
                        TextAnchor anchor) { drawTextInRoom(cell, at, set, room, anchor); });
}

}  // namespace duolinear

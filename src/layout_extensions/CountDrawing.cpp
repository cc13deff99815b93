#include "layout_extensions/CountDrawing.h"

#include <algorithm>
#include <numbers>
#include <optional>

#include "algebra/Checked.h"
#include "algebra/TextFunctions.h"
#include "layout/drawing/TextDrawing.h"
#include "layout_extensions/PlugInDrawingSupport.h"
#include "layout_extensions/PlugInMeasurers.h"
#include "platform/gfx/Context.h"

namespace duolinear {

namespace {

constexpr double kRowGap = 5.0;
constexpr double kStepGap = 15.0;     // the extra room of each step: its amount, rule and result
constexpr double kRuleDrop = 3.75;    // of a rule below the bottom of its row
constexpr double kCountUpGap = 30.0;  // between the main columns and the count-up "+"
constexpr double kLabelAngle = -std::numbers::pi / 3.0;
constexpr double kSignGap = 2.5;  // kept clear between a sign and the number beside it

}  // namespace

void drawCountOp(const std::string& text, const TextList& tableau, const TextList& countUps, const TextList& globals,
                 const TextList& locals, double x, double y, double size) {
    const PlugInSize box = measureCountOp(size, text, globals, locals);
    if (box.height <= 0.0 || globals.size() < 4) return;
    // The measurer has read the main column count and the step count.
    const std::int64_t columns = *parsePlugInInteger(globals[1]);
    const std::int64_t steps = *parsePlugInInteger(locals[1]);
    const CheckedInt needed = checkedMultiply(steps, 3);
    if (!needed || static_cast<std::uint64_t>(*needed) > tableau.size()) return;
    const std::string& stage = locals[0];
    const bool countUpColumns = stage == "COUNT" || stage == "SUMMARY";

    const gfx::Font main = plugInFont(size), small = plugInFont(0.5 * size);
    const std::string sign = globals[0] == "COUNT DOWN" ? "\u2212" : "+";
    const double g = plugInGap(size), d = widthIn(main, "0"), lh = main.metrics().lineHeight;
    const double smallDigit = widthIn(small, "0");
    const double top = y - box.ascent;
    const double x0 = x + widthIn(main, sign) + g, x1 = x0 + static_cast<double>(columns) * d;
    const double y0 = top + placeValueLabelBand(small, columns) + kRowGap;
    gfx::Context* context = gfx::currentContext();

    // Right-aligned in `count` columns of width d starting at `left`; a value
    // wider than its room, which ends at the columns' right edge, is drawn
    // smaller there.
    const auto inColumns = [&](const std::string& value, double left, std::int64_t count, double room, double rowTop,
                               gfx::Color behind) {
        // Placed by its characters, d wide each; a text that would then end
        // past the columns or start before its room ends at the columns' edge.
        const double right = left + static_cast<double>(count) * d, w = widthIn(main, value);
        const double shift = static_cast<double>(count - plugInCharacterCount(value)) * d;
        double end = std::min(left + shift + w, right);
        if (end - std::min(w, room) < right - room) end = right;
        drawTextInRoom(value, {end - w, rowTop}, {main, gfx::Color::black(), behind}, room, TextAnchor::right);
    };
    // The values before and after a step may reach to the item's left edge;
    // an amount keeps clear of its sign.
    const double ws = widthIn(main, sign);
    const double valueRoom = x1 - x, amountRoom = x1 - (x + ws + kSignGap);
    drawPlaceValueLabels(columns, {small}, x0 - 0.5 * smallDigit + 0.5 * d, d, y0 - kRowGap, kLabelAngle);

    const std::size_t m = static_cast<std::size_t>(steps);
    for (std::size_t k = 0; k < m; ++k) {
        const bool last = k + 1 == m;
        const double amountTop = y0 + lh + kRowGap + static_cast<double>(k) * (2.0 * lh + kStepGap);
        const gfx::Color values =
            last && (stage == "STEP" || stage == "SHOW") ? gfx::Color::gray() : gfx::Color::clear();
        inColumns(tableau[3 * k], x0, columns, valueRoom, amountTop - lh - kRowGap, values);
        inColumns(tableau[3 * k + 2], x0, columns, valueRoom, amountTop + lh + 2.0 * kRowGap, values);
        const bool plainAmount = stage == "SUMMARY" || stage == "SUMMARY SHORT" || (stage == "STEP" && !last);
        inColumns(tableau[3 * k + 1], x0, columns, amountRoom, amountTop,
                  plainAmount ? gfx::Color::clear() : gfx::Color::gray());
        if (context != nullptr) {
            const double rule = amountTop + lh + kRuleDrop;
            drawLine(*context, gfx::Color::black(), {x0, rule}, {x1, rule}, kPlugInLineWidth);
        }
        gfx::drawText(sign, {x, amountTop}, {main});
    }
    if (!countUpColumns) return;

    const std::int64_t upColumns = *parsePlugInInteger(globals[2]);  // read by the measurer in these stages
    const double u0 = x1 + kCountUpGap, u1 = u0 + widthIn(main, "+") + g, u2 = u1 + static_cast<double>(upColumns) * d;
    drawPlaceValueLabels(upColumns, {small}, u1 - 0.5 * smallDigit + 0.5 * d, d, y0 - kRowGap, kLabelAngle);
    // The item holds one count-up row per step; the column lists no more.
    const std::size_t listed = std::min(countUps.size(), m);
    const double upRoom = u2 - (u0 + widthIn(main, "+") + kSignGap);
    double rowTop = y0;
    for (std::size_t i = 0; i < listed; ++i) {
        inColumns(countUps[i], u1, upColumns, upRoom, rowTop,
                  stage == "COUNT" ? gfx::Color::gray() : gfx::Color::clear());
        rowTop += lh + kRowGap;
    }
    drawTextInRoom(globals[3], {u1, rowTop + kRowGap},
                   {main, stage == "COUNT" ? gfx::Color::red() : gfx::Color::black(), gfx::Color::clear()}, u2 - u1,
                   TextAnchor::left);
    if (context != nullptr) {
        drawLine(*context, gfx::Color::black(), {u1, rowTop - 0.5 * kPlugInLineWidth},
                 {u2, rowTop - 0.5 * kPlugInLineWidth}, kPlugInLineWidth);
    }
    // The "+" stands on the row of the last count-up; with none there is
    // nothing to add.
    if (listed > 0) gfx::drawText("+", {u0, rowTop - lh - kRowGap}, {main});
}

}  // namespace duolinear

// The cell drawers: what a cell measures, and where its parts are drawn.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "layout/Metric.h"
#include "layout_extensions/NumberCells.h"
#include "platform/gfx/GfxTestSupport.h"

namespace duolinear {
namespace {

constexpr double kScale = 4.0;  // pixels per point

struct Fonts {
    gfx::TextAttributes whole, fraction;
    Metric metric;
};

// The fonts and the measures the renderer derives at size s.
Fonts fontsAt(double s) {
    Fonts f;
    f.whole.font = gfx::Font::monospacedDigitSystem(s, gfx::FontWeight::medium());
    f.fraction.font = f.whole.font.withSize(0.75 * s);
    const gfx::FontMetrics w = f.whole.font.metrics(), q = f.fraction.font.metrics();
    const double bar = std::max(0.125 * s, 5.0);
    f.metric = {s,           w.capHeight, 0.5 * w.capHeight,     w.ascender,  w.lineHeight, w.xHeight, 0.5 * w.xHeight,
                q.capHeight, q.ascender,  2 * q.capHeight + bar, q.pointSize, bar,          0.5 * bar};
    return f;
}

double widthOf(const std::string& text, const gfx::TextAttributes& a) {
    return gfx::measureText(text, a).width;
}

std::unique_ptr<gfx::ImageSurface> drawn(const std::function<void()>& draw) {
    auto image = std::make_unique<gfx::ImageSurface>(160, 120, kScale);
    gfx::DrawingScope scope(image->context());
    draw();
    return image;
}

TEST(NumberCells, MeasureByKind) {
    const Fonts f = fontsAt(30), large = fontsAt(72);
    const double h = 2 * f.fraction.font.metrics().capHeight + 6.0;  // 0.125 × 22.5 is below the 6-point floor
    const double hLarge = 2 * large.fraction.font.metrics().capHeight + 0.125 * 54;
    const double w2 = widthOf("2", f.whole), w14 = widthOf("14", f.fraction);
    const std::tuple<const char*, TagRow, const Fonts*, NumberCellSize> cases[] = {
        {"whole", {"whole", "12"}, &f, {"whole", widthOf("12", f.whole), 0, widthOf("12", f.whole), h}},
        {"fraction, wider denominator", {"fraction", "3", "14"}, &f, {"fraction", 0, w14, w14, h}},
        {"fraction, wider numerator",
         {"fraction", "-14", "3"},
         &f,
         {"fraction", 0, widthOf("-14", f.fraction), widthOf("-14", f.fraction), h}},
        {"mixed number", {"mixed_number", "2", "1", "14"}, &f, {"mixed_number", w2, w14, w2 + w14, h}},
        {"another kind", {"integer", "5"}, &f, {"UNKNOWN", 0, 0, 0, h}},
        {"a value missing", {"fraction", "3"}, &f, {"UNKNOWN", 0, 0, 0, h}},
        {"from 48 points on",
         {"whole", "1"},
         &large,
         {"whole", widthOf("1", large.whole), 0, widthOf("1", large.whole), hLarge}},
    };
    for (const auto& [label, cell, fonts, size] : cases) {
        EXPECT_EQ(measureNumberCell(cell, fonts->whole, fonts->fraction), size) << label;
    }
}

// Cells drawn exactly as their parts drawn on their own, where the parts end.
TEST(NumberCells, PartsFollowEachOther) {
    const Fonts f = fontsAt(30);
    const Metric& m = f.metric;
    const double x = 20, y = 60, minus = widthOf("-", f.whole);
    const std::vector<std::string> top{"TOP"};
    const double W = 50, F = 30, fw = widthOf("-1", f.fraction);
    const std::tuple<const char*, std::function<void()>, std::function<void()>> cases[] = {
        {"a left-aligned numerator's sign stands before the bar",
         [&] { drawFractionCell("-3", "4", "red", "blue", f.fraction, f.whole, m, {}, x, y); },
         [&] {
             drawWholeCell("-", "red", f.fraction, f.whole, m, x, y);
             drawFractionCell("3", "4", "red", "blue", f.fraction, f.whole, m, top, x + minus, y);
         }},
        {"the fraction of a mixed number starts after its whole part",
         [&] { drawMixedNumberCell("2", "1", "3", "red", "blue", "red", f.fraction, f.whole, m, x, y); },
         [&] {
             drawWholeCell("2", "red", f.fraction, f.whole, m, x, y);
             drawFractionCell("1", "3", "blue", "red", f.fraction, f.whole, m, {}, x + widthOf("2", f.whole), y);
         }},
        {"a block's whole number ends at the whole column's end",
         [&] {
             drawBlockCell({"whole", "17"}, {"whole_color", "red"}, f.whole, f.fraction, {widthOf("17", f.whole), 0}, m,
                           x, y, W, F);
         },
         [&] { drawWholeCell("17", "red", f.fraction, f.whole, m, x + W - widthOf("17", f.whole), y); }},
        {"a block's fraction is centred in the fraction column and keeps its sign",
         [&] {
             drawBlockCell({"mixed_number", "3", "-1", "2"}, {"c", "blue", "red", "blue"}, f.whole, f.fraction,
                           {widthOf("3", f.whole), fw}, m, x, y, W, F);
         },
         [&] {
             drawWholeCell("3", "blue", f.fraction, f.whole, m, x + W - widthOf("3", f.whole), y);
             drawFractionCell("-1", "2", "red", "blue", f.fraction, f.whole, m, top, x + W + 0.5 * (F - fw), y);
         }},
        {"a colour that names none draws black", [&] { drawWholeCell("5", "purple", f.fraction, f.whole, m, x, y); },
         [&] { drawWholeCell("5", "black", f.fraction, f.whole, m, x, y); }},
        {"a block cell of another kind draws nothing",
         [&] {
             drawBlockCell({"integer", "5"}, {"c", "red"}, f.whole, f.fraction, {9, 9}, m, x, y, W, F);
         },
         [] {}},
    };
    for (const auto& [label, actual, expected] : cases) {
        const auto a = drawn(actual), e = drawn(expected);
        const gfx::testing::InkBounds drawnAtAll = gfx::testing::inkBounds(*a);
        int differing = 0;
        for (int py = 0; py < a->pixelHeight(); ++py) {
            for (int px = 0; px < a->pixelWidth(); ++px) differing += a->pixel(px, py) == e->pixel(px, py) ? 0 : 1;
        }
        EXPECT_EQ(differing, 0) << label;
        EXPECT_EQ(drawnAtAll.any, std::string(label).find("nothing") == std::string::npos) << label;
    }
}

}  // namespace
}  // namespace duolinear

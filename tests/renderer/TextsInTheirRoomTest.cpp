// Edge cases of the arithmetic drawings and strategy pictures where a text has
// less room than it needs: a product or heading wider than its grid cell, a
// product wider than the dividend, two-digit small texts side by side, long
// captions, a block at a large size. Checked from the texts as drawn (not from
// the measured box): every text's glyphs lie inside the picture's box, and no
// two texts' glyphs meet or stand so close that they read as one.

#include <algorithm>
#include <cctype>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "layout/TagLayout.h"
#include "layout_extensions/NumberCellRecords.h"
#include "layout_extensions/PlugInRecords.h"
#include "layout_extensions/pictures/DoublesPictures.h"
#include "platform/gfx/Context.h"
#include "platform/gfx/ImageSurface.h"
#include "renderer/LayoutInterpreter.h"
#include "support/DrawnTexts.h"

namespace duolinear {
namespace {

using gfx::testing::PlacedText;

// The boxes of number cells are built on the digits' cap height, which round
// digits overshoot a little (about 1 % of their size).
constexpr double kSlack = 1.0;
constexpr double kScale = 2.0;

struct Drawn {
    gfx::Rect box;  // where the picture's texts must lie, in points
    std::vector<PlacedText> texts;
};

// The layout's root drawn at size S with a margin around its measured box.
Drawn drawnLayout(const TagLayout& layout, double size) {
    const gfx::FontWeight weight = gfx::FontWeight::medium();
    const std::string root = std::to_string(layoutRootIndex(layout));
    const LayoutSize measured = measureLayout(layout, root, size, weight);
    const double margin = 40;
    gfx::ImageSurface image(measured.width + 2 * margin, measured.height + 2 * margin, kScale);
    gfx::testing::DrawnTextRecorder recorder(kScale);
    {
        gfx::DrawingScope scope(image.context());
        drawLayout(layout, root, margin, margin + measured.ascent, size, weight);
    }
    return {gfx::Rect::make(margin, margin, measured.width, measured.height), recorder.texts()};
}

using Picture = void (*)(gfx::Context&, std::int64_t, bool, double, double);

// The answer form of a picture drawn into an area `width` by `height`.
Drawn drawnPicture(Picture picture, std::int64_t n, double width, double height) {
    gfx::ImageSurface image(width, height, kScale);
    gfx::testing::DrawnTextRecorder recorder(kScale);
    {
        gfx::DrawingScope scope(image.context());
        picture(image.context(), n, false, width, height);
    }
    // The captions keep clear of the area's sides: they fill at most 0.95 of
    // its width.
    return {gfx::Rect::make(0.025 * width, 0, 0.95 * width, height), recorder.texts()};
}

// The colour row of `count` texts: black texts, then clear backgrounds.
TextList textsOnClear(std::size_t count) {
    TextList row(count, "black");
    row.insert(row.end(), count, "clear");
    return row;
}

bool inside(const gfx::Rect& text, const gfx::Rect& box) {
    return text.minX() >= box.minX() - kSlack && text.minY() >= box.minY() - kSlack &&
           text.maxX() <= box.maxX() + kSlack && text.maxY() <= box.maxY() + kSlack;
}

// Whether a text holds digits or letters (not only signs or pictures).
bool isWriting(const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return std::isalnum(static_cast<unsigned char>(c)); });
}

// Two writings side by side read as one when the space between them is hardly
// wider than the space between a number's digits: writings that share a line
// keep a quarter of the smaller one's height apart. Other texts (signs, the
// pictures on box faces) only may not meet.
bool tooClose(const PlacedText& a, const PlacedText& b) {
    const gfx::Rect &p = a.box, &q = b.box;
    if (p.minY() >= q.maxY() || q.minY() >= p.maxY()) return false;
    const double gap = std::max(q.minX() - p.maxX(), p.minX() - q.maxX());
    const bool writings = isWriting(a.text) && isWriting(b.text);
    return gap < (writings ? 0.25 * std::min(p.height(), q.height()) : 0.0);
}

std::string where(const PlacedText& t) {
    return "\"" + t.text + "\" at (" + std::to_string(t.box.minX()) + ", " + std::to_string(t.box.minY()) + ")–(" +
           std::to_string(t.box.maxX()) + ", " + std::to_string(t.box.maxY()) + ")";
}

TEST(TextsInTheirRoom, NoTextIsCutOrRunsIntoAnother) {
    const struct {
        const char* name;
        std::function<Drawn()> draw;
        std::vector<std::string> mustShow;  // texts that must be drawn whole
    } cases[] = {
        // 5 × 7300 = 1500 + 35000: the later heading and its product are
        // wider than the first heading's.
        {"grid 5 × 7300",
         [&] {
             return drawnLayout(gridMultiplyLayout("1", "2", {"300", "7000", "5"}, textsOnClear(3), {"1500", "35000"},
                                                   textsOnClear(2), "anon"),
                                30);
         },
         {"7000", "35000", "1500"}},
        // 305 × 7300: a later row heading wider than the first as well.
        {"grid 305 × 7300",
         [&] {
             return drawnLayout(
                 gridMultiplyLayout("2", "2", {"300", "7000", "5", "300"}, textsOnClear(4),
                                    {"1500", "35000", "90000", "2100000"},
                                    {"black", "black", "black", "black", "clear", "clear", "gray", "clear"}, "anon"),
                 30);
         },
         {"300", "2100000"}},
        // 987 ÷ 7, first taking 200 sevens: the product 1400 is wider than
        // the dividend, and its minus sign must stay in the picture.
        {"partial division with a product wider than the dividend",
         [] {
             return drawnLayout(dividePartialOpLayout("anon", "÷", {"", "1400", "413"}, {"987", "7", "200", "0"},
                                                      {"GRAB", "1"}, {"200"}),
                                30);
         },
         {"\u2212", "1400"}},
        // 503 − 48 = 455: a hundred regrouped into tens and a ten into ones,
        // leaving "10" and "13" over the last two columns.
        {"tableau 503 − 48",
         [] {
             return drawnLayout(
                 tableauOpLayout(
                     "anon", "\u2212", {{"4", "10", "13"}, {"5", "0", "3"}, {"Z", "4", "8"}, {"4", "5", "5"}},
                     {{"YNN", "YNN", "YNR"}, {"YYN", "YYN", "YYN"}, {"NNN", "YNN", "YNN"}, {"YNN", "YNN", "YNN"}},
                     {"4", "3", "1", "false"}, {"4", "false"}),
                 30);
         },
         {"10", "13"}},
        // Two-digit carries over the last two columns of a column addition.
        {"column addition with two-digit carries",
         [] {
             return drawnLayout(
                 *addColumnLayout("anon", "+", 4,
                                  {{"Z", "10", "13"}, {"5", "9", "8"}, {"4", "9", "5"}, {"10", "9", "3"}},
                                  {{"NN", "YN", "YR"}, {"YN", "YN", "YN"}, {"YN", "YN", "YN"}, {"YN", "YN", "YN"}}),
                 30);
         },
         {"10", "13"}},
        {"make a double, n = 17, 390 wide",
         [] { return drawnPicture(drawMakeADoublePicture, 17, 390, 700); },
         {"17 + 15 = double 16"}},
        {"double minus one, n = 10, 300 wide",
         [] { return drawnPicture(drawDoubleMinusOnePicture, 10, 300, 600); },
         {"double 10 minus 1"}},
        {"double, n = 500, 300 wide",
         [] { return drawnPicture(drawDoublePicture, 500, 300, 600); },
         {"500 + 500 = 1000"}},
        {"block at size 60",
         [] {
             return drawnLayout(
                 blockLayout(joinLayouts("=", joinLayouts("+", fractionLayout(13, 8), fractionLayout(3, 8)),
                                         fractionLayout(16, 8))),
                 60);
         },
         {"13", "16"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Drawn drawn = c.draw();
        for (const std::string& text : c.mustShow) {
            EXPECT_TRUE(std::any_of(drawn.texts.begin(), drawn.texts.end(),
                                    [&](const PlacedText& t) { return t.text == text; }))
                << "\"" << text << "\" is not drawn";
        }
        for (std::size_t i = 0; i < drawn.texts.size(); ++i) {
            const PlacedText& t = drawn.texts[i];
            EXPECT_TRUE(inside(t.box, drawn.box))
                << where(t) << " leaves the box (" << drawn.box.minX() << ", " << drawn.box.minY() << ")–("
                << drawn.box.maxX() << ", " << drawn.box.maxY() << ")";
            for (std::size_t j = i + 1; j < drawn.texts.size(); ++j) {
                // The cross-out mark is drawn over the face it crosses out.
                if (drawn.texts[j].text == "❌") continue;
                EXPECT_FALSE(tooClose(t, drawn.texts[j])) << where(t) << " runs into " << where(drawn.texts[j]);
            }
        }
    }
}

}  // namespace
}  // namespace duolinear

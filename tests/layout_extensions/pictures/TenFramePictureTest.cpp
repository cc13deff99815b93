// The make-a-ten and count-on picture: captions, which counters move and
// their numbers, the sizing, and where the frames and counters stand.

#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "layout_extensions/pictures/PictureTestSupport.h"
#include "layout_extensions/pictures/TenFramePicture.h"

namespace duolinear {
namespace {

using testing::Canvas;

const gfx::Color kRed = gfx::Color::red();
const gfx::Color kBlue = gfx::Color::blue();

// The counters of a frame as text: "r" for red, "b" for blue, then the number.
std::string counters(const filledFrame& filled) {
    std::string text;
    for (const counter& c : filled.counters) {
        text += (text.empty() ? "" : " ") + std::string(c.counterColor == kRed ? "r" : "b") + c.counterNumber;
    }
    return text;
}

TEST(TenFramePicture, CaptionsAndTheCountersThatMoveOrNothingOutsideTheLimits) {
    const std::int64_t huge = std::numeric_limits<std::int64_t>::max();
    const struct {
        std::int64_t a;
        std::int64_t b;
        bool hideAnswer;
        const char* strategy;
        PictureCaptions captions;
        const char* left;  // null: refused, nothing is drawn
        const char* right;
    } cases[] = {
        {8, 5, true, "count on", {"count on", "8 + 5"}, "r r r r r r r r", "b b b b b"},
        {8, 5, false, "count on", {"count from 8", "8 + 5 = 13 "}, "r r r r r r r r b9 b10", "b11 b12 b13"},
        {6, 4, true, "combine to ten", {"combine to ten", "6 + 4"}, "r r r r r r", "b b b b"},
        {6, 4, false, "combine to ten", {"combine them", "6 + 4 = 10 "}, "r r r r r r b b b b", ""},
        // The true sum, not ten, when the numbers don't make ten.
        {8, 5, false, "combine to ten", {"combine them", "8 + 5 = 13 "}, "r r r r r r r r b b", "b b b"},
        {8, 5, true, "make a ten", {"make a ten", "8 + 5"}, "r r r r r r r r", "b b b b b"},
        {6, 4, false, "make a ten", {"make that ten", "6 + 4 = 10"}, "r r r r r r b b b b", ""},
        {8, 5, false, "make a ten", {"make that ten", "8 + 5 = 10 + 3 = 13"}, "r r r r r r r r b b", "b b b"},
        // Below ten no ten is made: no negative difference after "10 + ".
        {3, 4, false, "make a ten", {"make that ten", "3 + 4 = 7"}, "r r r b b b b", ""},
        // Another strategy text: no captions, counters move all the same.
        {8, 5, false, "Make a ten", {"", ""}, "r r r r r r r r b b", "b b b"},
        {10, 3, false, "count on", {"count from 10", "10 + 3 = 13 "}, "r r r r r r r r r r", "b11 b12 b13"},
        {0, 12, false, "count on", {"count from 0", "0 + 12 = 12 "}, "b1 b2 b3 b4 b5 b6 b7 b8 b9 b10", "b11 b12"},
        {11, 2, true, "count on", {"count on", "11 + 2"}, "r r r r r r r r r r r", "b b"},
        {-1, 3, true, "count on", {}, nullptr, nullptr},
        {3, -1, false, "make a ten", {}, nullptr, nullptr},
        {11, 2, false, "count on", {}, nullptr, nullptr},
        {0, 1001, true, "count on", {}, nullptr, nullptr},
        {huge, huge, true, "count on", {}, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        const auto plan = tenFramePicturePlan(c.a, c.b, c.hideAnswer, c.strategy);
        ASSERT_EQ(plan.has_value(), c.left != nullptr) << c.a << " + " << c.b;
        if (!plan) {
            Canvas canvas(200, 300);
            canvas.draw([&](gfx::Context& context) {
                drawTenFramePicture(context, c.a, c.b, c.hideAnswer, c.strategy, 200, 300);
                drawTenFramePicture(context, 8, 5, c.hideAnswer, c.strategy, 0, 300);  // and empty areas
                drawTenFramePicture(context, 8, 5, c.hideAnswer, c.strategy, std::numeric_limits<double>::infinity(),
                                    9);
            });
            EXPECT_TRUE(canvas.empty()) << c.a << " + " << c.b;
            continue;
        }
        EXPECT_EQ(plan->captions, c.captions) << c.strategy << " " << c.a << " + " << c.b;
        EXPECT_EQ(counters(plan->left), c.left) << c.strategy << " " << c.a << " + " << c.b;
        EXPECT_EQ(counters(plan->right), c.right) << c.strategy << " " << c.a << " + " << c.b;
    }
}

TEST(TenFramePicture, CountingOnNumbersTheBlueCountersFromAPlusOneToTheSum) {
    std::mt19937 engine{8209};
    for (int i = 0; i < 300; ++i) {
        const int a = std::uniform_int_distribution<int>(0, 10)(engine);
        const int b = std::uniform_int_distribution<int>(0, 30)(engine);
        const auto plan = tenFramePicturePlan(a, b, false, "count on");
        ASSERT_TRUE(plan);
        // The left frame: a red counters, then the moved blue ones, at most ten.
        ASSERT_EQ(plan->left.counters.size(), static_cast<std::size_t>(std::min(10, a + b)));
        std::vector<std::string> numbers;
        for (std::size_t j = 0; j < plan->left.counters.size(); ++j) {
            EXPECT_EQ(plan->left.counters[j].counterColor, j < static_cast<std::size_t>(a) ? kRed : kBlue);
            if (j >= static_cast<std::size_t>(a)) numbers.push_back(plan->left.counters[j].counterNumber);
        }
        for (const counter& c : plan->right.counters) numbers.push_back(c.counterNumber);
        ASSERT_EQ(numbers.size(), static_cast<std::size_t>(b));
        for (int k = 0; k < b; ++k) EXPECT_EQ(numbers[k], std::to_string(a + k + 1)) << a << " + " << b;
    }
}

TEST(TenFramePicture, FramesShrinkToANarrowOrShortAreaTheSmallerSideBeingTheWidth) {
    EXPECT_DOUBLE_EQ(frameScale(250, 600, 2000).scale, 1.0);
    EXPECT_DOUBLE_EQ(frameScale(250, 445, 2000).scale, (445 - 45) / 2.0 / 250);
    EXPECT_DOUBLE_EQ(frameScale(250, 600, 500).scale, (500 - 3 * testing::probeCaption(600).lineHeight) / 2.5 / 250);

    Canvas wide(900, 900);
    Canvas tall(900, 900);
    wide.draw([](gfx::Context& context) { drawTenFramePicture(context, 8, 5, false, "count on", 900, 600); });
    tall.draw([](gfx::Context& context) { drawTenFramePicture(context, 8, 5, false, "count on", 600, 900); });
    EXPECT_FALSE(wide.empty());
    EXPECT_TRUE(wide.samePixels(tall));

    Canvas tiny(10, 10);  // shrinking stops; nothing is left to draw but it returns
    tiny.draw([](gfx::Context& context) { drawTenFramePicture(context, 8, 5, false, "count on", 0.01, 0.01); });
}

TEST(TenFramePicture, CountersScaleWithThePictureWhileGridLinesKeepTheirWidth) {
    // A 295-point-wide area gives frames 125 points wide: scale 0.5.
    const double w = 295;
    const double h = 1000;
    ASSERT_DOUBLE_EQ(frameScale(250, w, h).scale, 0.5);
    Canvas canvas(w, h);
    canvas.draw([&](gfx::Context& context) { drawTenFramePicture(context, 1, 0, true, "count on", w, h); });

    // Frames 15 points from the edges and apart, their bottom edge at
    // H/2 + frameLength × scale / 2.
    const double bottom = h / 2 + 617.5 * 0.5 / 2;
    const double row = bottom - 5 - 55.0 / 2;  // the middle of the bottom row
    EXPECT_TRUE(canvas.blank(14, row) && !canvas.blank(16, row) && !canvas.blank(139, row));
    EXPECT_TRUE(canvas.blank(141, row) && !canvas.blank(156, row) && canvas.blank(281, row));
    EXPECT_TRUE(canvas.blank(50, bottom + 1) && !canvas.blank(50, bottom - 1));

    // Along the bottom row the counter is 97.916 × 0.5 ≈ 48.96 across; the
    // cell (125 − 15) / 2 = 55.
    auto run = [&](int from, auto inside) {
        int x = from;
        while (x < w && inside(canvas.at(x, row))) ++x;
        return x - from;
    };
    EXPECT_NEAR(run(23, [](gfx::Color c) { return !(c.g > 0.9 && c.b > 0.9); }), 48.96, 1.5);
    EXPECT_NEAR(run(80, [](gfx::Color c) { return c.r < 0.1 && c.g > 0.9; }), 55, 1.5);
}

}  // namespace
}  // namespace duolinear

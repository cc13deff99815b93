#include "layout_extensions/pictures/TenFramePicture.h"

#include <algorithm>

namespace duolinear {

namespace {

constexpr std::int64_t kTen = 10;
constexpr double kFrameGaps = 45.0;  // three gaps of 15 points across the width
constexpr double kLengthPerWidth = 2.5;
constexpr std::int64_t kFirstHiddenNumber = 11;

std::string str(std::int64_t value) {
    return std::to_string(value);
}

// The captions; a and b are within kMostPictureUnits, so no sum overflows.
PictureCaptions captions(std::int64_t a, std::int64_t b, bool hideAnswer, const std::string& strategy) {
    const std::string question = str(a) + " + " + str(b);
    const std::int64_t sum = a + b;
    if (strategy == "count on") {
        if (hideAnswer) return {"count on", question};
        return {"count from " + str(a), question + " = " + str(sum) + " "};
    }
    if (strategy == "combine to ten") {
        if (hideAnswer) return {"combine to ten", question};
        // The true sum: "= 10 " exactly when the numbers make ten.
        return {"combine them", question + " = " + str(sum) + " "};
    }
    if (strategy == "make a ten") {
        if (hideAnswer) return {"make a ten", question};
        if (sum == kTen) return {"make that ten", question + " = 10"};
        // Below ten no ten is made: the sum alone, never "10 + " a negative.
        if (sum < kTen) return {"make that ten", question + " = " + str(sum)};
        return {"make that ten", question + " = 10 + " + str(sum - kTen) + " = " + str(sum)};
    }
    return {};
}

counter makeCounter(const frame& grid, gfx::Color color) {
    return {grid.cellCounterDiameter(), color, gfx::Color::black(), "", gfx::Color::white()};
}

}  // namespace

PictureScale frameScale(double frameWidth, double width, double height) {
    const CaptionSizing caption = captionSizing(width);
    double unit = frameWidth;
    if (width < 2.0 * frameWidth + kFrameGaps) unit = (width - kFrameGaps) * 0.5;
    const double room = height - 3.0 * caption.lineHeight;
    if (room < kLengthPerWidth * unit) unit = room / kLengthPerWidth;
    return {unit / frameWidth, caption.fontSize, caption.lineHeight};
}

std::optional<TenFramePicturePlan> tenFramePicturePlan(std::int64_t a, std::int64_t b, bool hideAnswer,
                                                       const std::string& strategy) {
    if (a < 0 || b < 0 || a > kMostPictureUnits || b > kMostPictureUnits) return std::nullopt;
    if (!hideAnswer && a > kTen) return std::nullopt;

    TenFramePicturePlan plan;
    plan.captions = captions(a, b, hideAnswer, strategy);
    plan.left.counters.assign(static_cast<std::size_t>(a), makeCounter(plan.left.emptyFrame, gfx::Color::red()));
    plan.right.counters.assign(static_cast<std::size_t>(b), makeCounter(plan.right.emptyFrame, gfx::Color::blue()));
    if (hideAnswer) return plan;

    // Blue counters fill the left frame's empty cells, taken from the end of
    // the right frame; they keep their colour.
    const bool countOn = strategy == "count on";
    const std::int64_t moving = std::min(b, kTen - a);
    for (std::int64_t j = 0; j < moving; ++j) {
        counter moved = plan.right.counters.back();
        plan.right.counters.pop_back();
        if (countOn) moved.counterNumber = str(a + j + 1);
        plan.left.counters.push_back(moved);
    }
    if (countOn) {
        for (std::size_t i = 0; i < plan.right.counters.size(); ++i) {
            plan.right.counters[i].counterNumber = str(static_cast<std::int64_t>(i) + kFirstHiddenNumber);
        }
    }
    return plan;
}

void drawTenFramePicture(gfx::Context& context, std::int64_t a, std::int64_t b, bool hideAnswer,
                         const std::string& strategy, double width, double height) {
    const std::optional<PictureArea> area = uprightArea(width, height);
    if (!area) return;
    const std::optional<TenFramePicturePlan> plan = tenFramePicturePlan(a, b, hideAnswer, strategy);
    if (!plan) return;

    const frame& grid = plan->left.emptyFrame;
    const PictureScale scale = frameScale(grid.frameWidth, area->width, area->height);
    drawPictureCaptions(context, plan->captions, {scale.fontSize, scale.lineHeight}, *area);

    // Three equal gaps across; both frames centred vertically.
    const double drawnWidth = grid.frameWidth * scale.scale;
    const double gap = (area->width - 2.0 * drawnWidth) / 3.0;
    const double bottom = area->height / 2.0 + grid.frameLength() * scale.scale / 2.0;
    plan->left.drawFilledFrame(context, gap, bottom, scale.scale);
    plan->right.drawFilledFrame(context, 2.0 * gap + drawnWidth, bottom, scale.scale);
}

}  // namespace duolinear

#include "layout_extensions/pictures/DoublesPictures.h"

#include <array>
#include <string>

namespace duolinear {

namespace {

// The pictures on the boxes' faces: the left tower shows entry n mod 8, the
// right tower the next one.
constexpr std::array<const char*, 8> kFaces{"🌿", "☘️", "🍀", "🍂", "🍁", "🌾", "🍄", "🌵"};
constexpr const char* kCrossOut = "❌";
constexpr double kBoxHeight = 60.0;
constexpr double kBoxEdgeWidth = 4.0;
// The answer form leaves this gap, in points, between the towers.
constexpr double kAnswerGap = 4.0;

std::int64_t smallestN(DoublesStrategy strategy, bool hideAnswer) {
    switch (strategy) {
        case DoublesStrategy::plainDouble:
            return 0;
        case DoublesStrategy::doublePlusOne:
            return 1;
        case DoublesStrategy::doubleMinusOne:
            return hideAnswer ? 1 : 2;
        case DoublesStrategy::makeADouble:
            return 2;
    }
    return 0;
}

// How many boxes the right tower lacks against the left one.
std::int64_t shortfall(DoublesStrategy strategy) {
    switch (strategy) {
        case DoublesStrategy::plainDouble:
            return 0;
        case DoublesStrategy::doublePlusOne:
        case DoublesStrategy::doubleMinusOne:
            return 1;
        case DoublesStrategy::makeADouble:
            return 2;
    }
    return 0;
}

std::string str(std::int64_t value) {
    return std::to_string(value);
}

// The captions; n is within the strategy's limits and kMostPictureUnits, so
// no sum overflows.
PictureCaptions captions(DoublesStrategy strategy, std::int64_t n, bool hideAnswer) {
    const std::string sum = str(n) + " + " + str(n - shortfall(strategy));
    switch (strategy) {
        case DoublesStrategy::plainDouble:
            if (hideAnswer) return {"double", sum};
            return {"double " + str(n), sum + " = " + str(2 * n)};
        case DoublesStrategy::doublePlusOne:
            if (hideAnswer) return {"double plus 1", sum};
            return {"double " + str(n - 1) + " plus 1",
                    sum + " = " + str(n - 1) + " + 1 + " + str(n - 1) + " = " + str(2 * n - 1)};
        case DoublesStrategy::doubleMinusOne:
            if (hideAnswer) return {"double minus 1", sum};
            return {"double " + str(n) + " minus 1",
                    sum + " = " + str(n) + " + " + str(n) + " − 1 = " + str(2 * n - 1)};
        case DoublesStrategy::makeADouble:
            if (hideAnswer) return {"make a double", sum};
            return {sum + " = double " + str(n - 1),
                    str(n) + " − 1 + " + str(n - 2) + " + 1 = " + str(n - 1) + " + " + str(n - 1)};
    }
    return {};
}

void drawDoublesPicture(gfx::Context& context, DoublesStrategy strategy, std::int64_t n, bool hideAnswer, double width,
                        double height) {
    const std::optional<PictureArea> area = uprightArea(width, height);
    if (!area) return;
    const std::optional<DoublesPicturePlan> plan = doublesPicturePlan(strategy, n, hideAnswer);
    if (!plan) return;
    const double w = area->width;
    const double h = area->height;

    const PictureScale scale = doublesPictureScale(n, 0.5, w, h);
    drawPictureCaptions(context, plan->captions, {scale.fontSize, scale.lineHeight}, *area);

    const double baseline = h / 2.0 + kBoxHeight * scale.scale * static_cast<double>(n) / 2.0;
    const double b = kBoxHeight * scale.scale;
    if (hideAnswer) {
        plan->left.drawTower(context, w / 2.0 - 2.0 * b, baseline, scale.scale);
        plan->right.drawTower(context, w / 2.0 + b, baseline, scale.scale);
        return;
    }

    const double leftX = w / 2.0 - b - kAnswerGap / 2.0;
    const double rightX = w / 2.0 + kAnswerGap / 2.0;
    auto drawLooseBox = [&] {
        if (!plan->looseBox) return;
        plan->looseBox->drawBox(context, plan->looseBoxOnRight ? rightX : leftX, h / 2.0 - b * plan->looseBoxRaise,
                                scale.scale);
    };
    // The moved box of make a double is drawn over the right tower, after it.
    const bool looseBoxLast = strategy == DoublesStrategy::makeADouble;
    plan->left.drawTower(context, leftX, baseline, scale.scale);
    if (!looseBoxLast) drawLooseBox();
    plan->right.drawTower(context, rightX, baseline, scale.scale);
    if (looseBoxLast) drawLooseBox();
}

}  // namespace

PictureScale doublesPictureScale(std::int64_t n, double extraBoxes, double width, double height) {
    const CaptionSizing caption = captionSizing(width);
    double unit = (height - 3.0 * caption.lineHeight) / (static_cast<double>(n) + extraBoxes);
    if (width < 6.0 * unit) unit = width / 6.0;
    return {unit / kBoxHeight, caption.fontSize, caption.lineHeight};
}

std::optional<DoublesPicturePlan> doublesPicturePlan(DoublesStrategy strategy, std::int64_t n, bool hideAnswer) {
    if (n < smallestN(strategy, hideAnswer) || n > kMostPictureUnits) return std::nullopt;

    DoublesPicturePlan plan;
    plan.captions = captions(strategy, n, hideAnswer);
    const std::size_t k = static_cast<std::size_t>(n % 8);
    for (std::int64_t i = 0; i < n; ++i) {
        const gfx::Color edge = i % 2 == 0 ? gfx::Color::white() : gfx::Color::black();
        plan.left.bricks.push_back({kBoxHeight, kBoxEdgeWidth, edge, gfx::Color::lightGray(), kFaces[k], ""});
    }
    plan.right = plan.left;
    plan.right.bricks.resize(static_cast<std::size_t>(n - shortfall(strategy)));
    for (box& brick : plan.right.bricks) {
        brick.color = gfx::Color::lightGray();
        brick.face = kFaces[(k + 1) % kFaces.size()];
    }
    if (hideAnswer) return plan;

    const double half = static_cast<double>(n) / 2.0;
    switch (strategy) {
        case DoublesStrategy::plainDouble:
            break;
        case DoublesStrategy::doublePlusOne:
            // The left tower's top box is lifted a quarter box above its place.
            plan.looseBox = plan.left.bricks.back();
            plan.left.bricks.pop_back();
            plan.looseBoxRaise = half - 0.75;
            break;
        case DoublesStrategy::doubleMinusOne: {
            // One more box on the right, crossed out, edged like the left top box.
            box crossed = plan.right.bricks.back();
            crossed.edgeColor = plan.left.bricks.back().edgeColor;
            crossed.faceOver = kCrossOut;
            plan.looseBox = crossed;
            plan.looseBoxOnRight = true;
            plan.looseBoxRaise = half - 0.75;
            break;
        }
        case DoublesStrategy::makeADouble:
            // The left tower's top box moves onto the right tower.
            plan.looseBox = plan.left.bricks.back();
            plan.left.bricks.pop_back();
            plan.looseBoxOnRight = true;
            plan.looseBoxRaise = (static_cast<double>(n) - 2.0) / 2.0 - 0.75;
            break;
    }
    return plan;
}

void drawDoublePicture(gfx::Context& context, std::int64_t n, bool hideAnswer, double width, double height) {
    drawDoublesPicture(context, DoublesStrategy::plainDouble, n, hideAnswer, width, height);
}

void drawDoublePlusOnePicture(gfx::Context& context, std::int64_t n, bool hideAnswer, double width, double height) {
    drawDoublesPicture(context, DoublesStrategy::doublePlusOne, n, hideAnswer, width, height);
}

void drawDoubleMinusOnePicture(gfx::Context& context, std::int64_t n, bool hideAnswer, double width, double height) {
    drawDoublesPicture(context, DoublesStrategy::doubleMinusOne, n, hideAnswer, width, height);
}

void drawMakeADoublePicture(gfx::Context& context, std::int64_t n, bool hideAnswer, double width, double height) {
    drawDoublesPicture(context, DoublesStrategy::makeADouble, n, hideAnswer, width, height);
}

}  // namespace duolinear

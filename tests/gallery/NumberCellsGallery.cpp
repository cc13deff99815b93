// Number cells, blocks and cancelled fractions drawn through the renderer:
// one picture per kind, a few samples each, every sample inside the box it
// was measured to fill (drawn in a faint outline that the ink check ignores).

#include <algorithm>
#include <string>
#include <vector>

#include "gallery/Gallery.h"
#include "layout_extensions/NumberCellRecords.h"
#include "renderer/LayoutInterpreter.h"

namespace duolinear::gallery {
namespace {

constexpr double kSize = 30;
constexpr double kMargin = 20;
const gfx::FontWeight kWeight = gfx::FontWeight::medium();

LayoutSize measured(const TagLayout& layout) {
    return measureLayout(layout, std::to_string(layoutRootIndex(layout)), kSize, kWeight);
}

// Draws the samples side by side on one baseline into NAME.png and checks
// that each one's ink stays in its measured box (one point of slack).
void drawKind(const std::string& name, const Layouts& samples) {
    std::vector<LayoutSize> sizes;
    double width = kMargin, ascent = 0, descent = 0;
    for (const TagLayout& sample : samples) {
        sizes.push_back(measured(sample));
        ASSERT_GT(sizes.back().width, 0) << name;
        width += sizes.back().width + kMargin;
        ascent = std::max(ascent, sizes.back().ascent);
        descent = std::max(descent, sizes.back().descent());
    }
    const double baseline = kMargin + ascent;
    auto image = blankPicture(width, baseline + descent + kMargin);
    {
        gfx::DrawingScope scope(image->context());
        double x = kMargin;
        for (std::size_t i = 0; i < samples.size(); ++i) {
            const gfx::Rect box = gfx::Rect::make(x, baseline - sizes[i].ascent, sizes[i].width, sizes[i].height);
            image->context().setStrokeColor(gfx::Color{0.93, 0.93, 1.0, 1.0});
            image->context().setLineWidth(0.5);
            image->context().strokeRect(box);
            drawLayout(samples[i], std::to_string(layoutRootIndex(samples[i])), x, baseline, kSize, kWeight);
            x += sizes[i].width + kMargin;
        }
    }
    savePicture(*image, name + ".png");
    // Each sample again on its own, to check its ink against its box.
    for (std::size_t i = 0; i < samples.size(); ++i) {
        auto alone = blankPicture(sizes[i].width + 2 * kMargin, sizes[i].height + 2 * kMargin);
        gfx::DrawingScope scope(alone->context());
        drawLayout(samples[i], std::to_string(layoutRootIndex(samples[i])), kMargin, kMargin + sizes[i].ascent, kSize,
                   kWeight);
        EXPECT_TRUE(inkOnWhite(*alone).any) << name << " sample " << i << " draws nothing";
        EXPECT_TRUE(inkWithin(*alone, gfx::Rect::make(kMargin, kMargin, sizes[i].width, sizes[i].height)))
            << name << " sample " << i;
    }
}

TagLayout block(const TagLayout& a, const std::string& op, const TagLayout& b, const TagLayout& e) {
    return blockLayout(joinLayouts("=", joinLayouts(op, a, b, Color::blue), e, Color::gray));
}

TEST(NumberCellsGallery, OnePicturePerKind) {
    const CancelBothColors both{Color::black, Color::black, Color::red, Color::blue, Color::red, Color::blue};
    const CancelOneColors numerator{Color::black, Color::black, Color::red, Color::red};
    const CancelOneColors denominator{Color::black, Color::black, Color::blue, Color::blue};
    drawKind("number-cell-whole", {wholeLayout(7), wholeLayout(12, Color::red), wholeLayout(-305, Color::blue)});
    drawKind("number-cell-fraction", {fractionLayout(1, 2), fractionLayout(-3, 4, Color::red, Color::blue),
                                      fractionLayout(13, 8, Color::black, Color::red)});
    drawKind("number-cell-mixed-number",
             {mixedNumberLayout(2, 1, 3), mixedNumberLayout(12, 5, 16, Color::blue, Color::red, Color::red)});
    drawKind("number-cell-rational",
             {rationalItemLayout(3, 4), rationalItemLayout(3, -4, Color::black, Color::red, Color::blue, Color::gray)});
    drawKind("number-cell-extended-fraction", {extendedFractionLayout("×", 3, 4, 2, 2),
                                               extendedFractionLayout("×", -1, 2, 5, 5, Color::red, Color::blue)});
    drawKind("number-cell-block",
             {block(wholeLayout(12), "+", wholeLayout(7), wholeLayout(19)),
              block(fractionLayout(1, 2), "+", fractionLayout(1, 3), fractionLayout(5, 6)),
              block(mixedNumberLayout(2, 1, 3), "+", fractionLayout(1, 2), mixedNumberLayout(2, 5, 6)),
              block(fractionLayout(-1, 4), "−", wholeLayout(3), mixedNumberLayout(-3, 1, 4))});
    drawKind("number-cell-cancel-numerator-and-denominator",
             {fractionCancelNumeratorAndDenominatorLayout(6, 8, 3, 4, both),
              fractionCancelNumeratorAndDenominatorLayout(15, 20, 3, 4, both),
              fractionCancelNumeratorAndDenominatorLayout(-6, 8, 3, 4, both)});
    drawKind("number-cell-cancel-numerator", {fractionCancelNumeratorLayout(4, 12, 1, numerator),
                                              fractionCancelNumeratorLayout(-10, 15, 2, numerator)});
    drawKind("number-cell-cancel-denominator", {fractionCancelDenominatorLayout(3, 12, 4, denominator),
                                                fractionCancelDenominatorLayout(5, 10, 2, denominator)});
}

}  // namespace
}  // namespace duolinear::gallery

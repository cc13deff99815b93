// Display lines of generated practice problems whose fractions are drawn
// diagonally: the fraction forms and the fraction-times-bracket forms, each
// line drawn with its fraction runs in the diagonal-fraction font and the
// rest in the system font, and, below the first, the same line with the
// superscript/subscript forms that a machine without that font gets.

#include <string>
#include <vector>

#include "gallery/Gallery.h"
#include "layout/drawing/BaseFontSize.h"
#include "linear_problems/Linear_Equation_Model.h"
#include "platform/gfx/Text.h"
#include "support/ScriptedRandom.h"

namespace duolinear::gallery {
namespace {

constexpr double kMargin = 12, kGap = 14;

gfx::AttributedText problemLine(std::int64_t level, const char* relation, std::initializer_list<std::int64_t> script) {
    testing::ScriptedRandom random(script);
    const std::optional<LinearProblemRecord> record = generateLinearProblemXL(level, relation, random);
    return record ? record->examples.at(0) : gfx::AttributedText("no problem");
}

// The line with its fraction runs in the system font asking for "frac".
gfx::AttributedText withFallbackFractions(const gfx::AttributedText& line) {
    gfx::AttributedText fallback(line.text());
    const gfx::Font font = gfx::Font::system(baseFontSize()).withFeature("frac", 1);
    for (const gfx::TextSpan& span : line.spans()) fallback.addFont(span.range, font);
    return fallback;
}

TEST(DiagonalFractionsGallery, DisplayLines) {
    const gfx::AttributedText first = problemLine(2, "=", {1, 2, -3, 4, 5, 6, 9, 7, 0});
    const std::vector<gfx::AttributedText> lines = {
        first,
        withFallbackFractions(first),
        problemLine(2, "≤", {9, 2, 5, 4, 1, 7, -1, 3, 3}),
        problemLine(3, "=", {0, -3, 4, 2, -5, 7, 2}),
        problemLine(3, "≥", {1, -2, 3, 3, -1, 4, 5, -1}),
        problemLine(3, "<", {2, 3, 4, 1, 2, 5, 3, -1, 2}),
    };
    const gfx::TextAttributes defaults{gfx::Font::system(baseFontSize())};
    double width = 0, height = 0;
    for (const gfx::AttributedText& line : lines) {
        const gfx::Size size = gfx::measureText(line, defaults);
        width = std::max(width, size.width);
        height += size.height + kGap;
    }
    auto image = blankPicture(width + 2 * kMargin, height - kGap + 2 * kMargin);
    {
        gfx::DrawingScope scope(image->context());
        double top = kMargin;
        for (const gfx::AttributedText& line : lines) {
            gfx::drawText(line, {kMargin, top}, defaults);
            top += gfx::measureText(line, defaults).height + kGap;
        }
    }
    EXPECT_TRUE(inkWithin(*image, gfx::Rect::make(kMargin, kMargin, width, height - kGap)));
    savePicture(*image, "diagonal-fraction-lines.png");
}

}  // namespace
}  // namespace duolinear::gallery

#include <cmath>

#include <gtest/gtest.h>

#include "platform/gfx/Gfx.h"
#include "support/Pixels.h"
#include "support/TestOutput.h"

namespace gfx {
namespace {

using testing::inkBounds;
using testing::isColoured;
using testing::outputPath;

TEST(Text, MultiLineTextIsTheWidestLineByTheLineCount) {
    TextAttributes attributes{Font::monospacedDigitSystem(30)};
    double lineHeight = attributes.font.metrics().lineHeight;
    Size wide = measureText("12 + 345", attributes);
    Size narrow = measureText("6", attributes);
    EXPECT_GT(wide.width, narrow.width);
    EXPECT_DOUBLE_EQ(wide.height, lineHeight);

    Size two = measureText("6\n12 + 345", attributes);
    EXPECT_DOUBLE_EQ(two.width, wide.width);
    EXPECT_DOUBLE_EQ(two.height, 2 * lineHeight);
    EXPECT_DOUBLE_EQ(measureText("a\n\nb", attributes).height, 3 * lineHeight);
    EXPECT_EQ(measureText("", attributes), (Size{0, 0}));
    // Without a font, text is set in the regular system font at 12 points.
    EXPECT_EQ(measureText("12 + 345", TextAttributes{}), measureText("12 + 345", {Font::system(12)}));
}

TEST(Text, BytesThatAreNotUtf8MeasureAsQuestionMarks) {
    TextAttributes attributes{Font::system(20)};
    Size expected = measureText("a?b??", attributes);
    EXPECT_EQ(measureText(std::string("a\xff"
                                      "b\0\xc3",
                                      5),
                          attributes),
              expected);
    AttributedText text(
        std::string("a\xff"
                    "b\0\xc3",
                    5));
    text.addFont({4, 1}, Font::system(20));
    EXPECT_EQ(measureText(text, attributes), expected);
}

TEST(Text, TheCacheNeverChangesAResult) {
    const char* texts[] = {"x² − 3", "🤔", "1\n22\n333", " trailing "};
    for (const char* text : texts) {
        for (double size : {12.0, 12.0 + 1e-9, 30.0}) {
            TextAttributes attributes{Font::system(size, FontWeight::medium())};
            clearTextMeasureCache();
            Size cold = measureText(text, attributes);
            Size warm = measureText(text, attributes);
            // Colours don't change a size.
            Size red = measureText(text, {attributes.font, Color::red(), Color::blue()});
            EXPECT_EQ(cold, warm) << text;
            EXPECT_EQ(cold, red) << text;
            EXPECT_EQ(cold, measureText(AttributedText(text), attributes)) << text;  // not cached
        }
    }
}

TEST(Text, MixedLineDrawsWithColourEmoji) {
    const std::string prefix = "12 − √3 ≤ x² + y³ ";
    const std::string text = prefix + "🤔";
    TextAttributes attributes{Font::monospacedDigitSystem(30)};
    Size size = measureText(text, attributes);
    double emojiLeft = 10 + measureText(prefix, attributes).width;

    ImageSurface image(size.width + 20, size.height + 20, 2.0);
    image.clear(Color::white());
    {
        DrawingScope scope(image.context());
        drawText(text, {10, 10}, attributes);
    }
    EXPECT_TRUE(image.writePng(outputPath("gfx_mixed_text.png")));

    int dark = 0;
    int colouredInEmoji = 0;
    int colouredElsewhere = 0;
    for (int y = 0; y < image.pixelHeight(); ++y) {
        for (int x = 0; x < image.pixelWidth(); ++x) {
            Color c = image.pixel(x, y);
            if (c.r + c.g + c.b < 0.5) ++dark;
            if (isColoured(c)) ++(x / 2.0 >= emojiLeft ? colouredInEmoji : colouredElsewhere);
        }
    }
    EXPECT_GT(dark, 1000);            // the black glyphs
    EXPECT_GT(colouredInEmoji, 500);  // the emoji, in colour
    EXPECT_EQ(colouredElsewhere, 0);  // and nothing else
}

TEST(Text, ThePointIsTheTopLeftCorner) {
    TextAttributes attributes{Font::system(40)};
    FontMetrics metrics = attributes.font.metrics();
    ImageSurface image(100, 100);
    std::vector<DrawnText> drawn;
    setTextDrawnObserver([&](const DrawnText& text) { drawn.push_back(text); });
    {
        DrawingScope scope(image.context());
        drawText("H", {20, 30 - metrics.ascender}, attributes);
    }
    setTextDrawnObserver({});
    auto ink = inkBounds(image);
    ASSERT_TRUE(ink.any);
    // The observer is told where the glyphs landed: where the pixels show them.
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].text, "H");
    EXPECT_NEAR(drawn[0].pixels.minX(), ink.minX, 1.0);
    EXPECT_NEAR(drawn[0].pixels.maxX(), ink.maxX + 1, 1.0);
    EXPECT_NEAR(drawn[0].pixels.minY(), ink.minY, 1.0);
    EXPECT_NEAR(drawn[0].pixels.maxY(), ink.maxY + 1, 1.0);
    // The baseline lies on y = 30, the cap height above it.
    EXPECT_NEAR(ink.maxY + 1, 30.0, 1.0);
    EXPECT_NEAR(ink.minY, 30.0 - metrics.capHeight, 1.0);
    EXPECT_NEAR(ink.minX, 20.0, 5.0);
    EXPECT_GE(ink.minX, 20);

    // The glyphs' own rectangle, as drawn at (0, 0): what the pixels show.
    const Rect glyphs = gfx::inkBounds("H\nH", attributes);
    EXPECT_NEAR(glyphs.minY(), metrics.ascender - metrics.capHeight, 0.5);
    EXPECT_NEAR(glyphs.maxY(), metrics.lineHeight + metrics.ascender, 0.5);
    EXPECT_NEAR(glyphs.minX() + 20, ink.minX, 1.0);
    EXPECT_TRUE(gfx::inkBounds("  ", attributes).isEmpty());
    // A line without ink adds nothing.
    const Rect middle = gfx::inkBounds("  \nH\n  ", attributes);
    EXPECT_NEAR(middle.minY(), glyphs.minY() + metrics.lineHeight, 1e-9);
    EXPECT_NEAR(middle.height(), glyphs.height() - metrics.lineHeight, 1e-9);
    EXPECT_NEAR(middle.width(), glyphs.width(), 1e-9);

    // In a line of two fonts, the baseline lies at the ascender of the larger.
    AttributedText mixed("Hh");
    mixed.addFont({0, 1}, Font::system(40));
    ImageSurface twoFonts(100, 100);
    {
        DrawingScope scope(twoFonts.context());
        drawText(mixed, {20, 0}, TextAttributes{Font::system(10)});
    }
    EXPECT_NEAR(inkBounds(twoFonts).maxY + 1, metrics.ascender, 1.0);
}

TEST(Text, NothingIsDrawnOutsideADrawingPass) {
    ImageSurface image(50, 50);
    EXPECT_EQ(currentContext(), nullptr);
    drawText("X", {0, 0}, {Font::system(30)});
    EXPECT_FALSE(inkBounds(image).any);

    ImageSurface other(10, 10);
    {
        DrawingScope outer(image.context());
        {
            DrawingScope inner(other.context());
            EXPECT_EQ(currentContext(), &other.context());
        }
        EXPECT_EQ(currentContext(), &image.context());
        drawText("X", {0, 0}, {Font::system(30), Color::clear()});  // clear text leaves no mark
    }
    EXPECT_EQ(currentContext(), nullptr);
    EXPECT_FALSE(inkBounds(image).any);
}

TEST(Text, BackgroundFillsBehindTheText) {
    TextAttributes attributes{Font::system(20), Color::black(), Color::blue()};
    Size size = measureText("ab", attributes);
    ImageSurface image(100, 60);
    DrawingScope scope(image.context());
    drawText("ab", {5, 5}, attributes);
    EXPECT_EQ(image.pixel(6, 6), Color::blue());
    EXPECT_EQ(image.pixel(static_cast<int>(5 + size.width) - 1, static_cast<int>(5 + size.height) - 1), Color::blue());
    EXPECT_FALSE(image.pixel(static_cast<int>(5 + size.width) + 2, 10).a > 0);

    // A colour component beyond 1 counts as 1: the solid ink of a red beyond
    // red is red.
    ImageSurface red(60, 60);
    DrawingScope redScope(red.context());
    drawText("M", {5, 5}, {Font::system(40), Color::rgba(1.5, 0, 0)});
    Color solid = Color::clear();
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 60; ++x) {
            if (red.pixel(x, y).a > solid.a) solid = red.pixel(x, y);
        }
    }
    EXPECT_EQ(solid, Color::red());
}

TEST(Text, TextDrawingKeepsTheContextsPath) {
    ImageSurface image(40, 40);
    Context& context = image.context();
    DrawingScope scope(context);
    context.moveTo({0, 0});
    context.addLineTo({40, 0});
    context.addLineTo({40, 40});
    context.closePath();
    drawText("i", {30, 0}, {Font::system(10)});
    context.setFillColor(Color::red());
    context.fillPath();
    EXPECT_EQ(image.pixel(35, 5), Color::red());
}

}  // namespace
}  // namespace gfx

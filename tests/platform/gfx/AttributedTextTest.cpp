#include <gtest/gtest.h>

#include "platform/gfx/FractionForms.h"
#include "platform/gfx/Gfx.h"
#include "platform/gfx/TextLayout.h"
#include "support/Pixels.h"
#include "support/TestOutput.h"

namespace gfx {
namespace {

TEST(AttributedText, RangesCountUtf16Units) {
    struct Case {
        const char* text;
        std::size_t length;
    };
    const Case cases[] = {{"", 0},     {"ab", 2},   {"−≤", 2},           {"a😎", 3},      {"👈🏽", 4},
                          {"🤔", 2}, {"\xff", 1}, {"\xed\xa0\x80", 3}, {"\xf0\x9f", 2}};
    for (const Case& c : cases) EXPECT_EQ(utf16Length(c.text), c.length) << c.text;

    AttributedText text("a😎b");
    EXPECT_TRUE(text.addFont({3, 1}, Font::system(40)));
    EXPECT_FALSE(text.addFont({3, 2}, Font::system(40)));
    EXPECT_FALSE(text.addForegroundColor({5, 0}, Color::red()));
    EXPECT_TRUE(text.addForegroundColor({4, 0}, Color::red()));
    EXPECT_EQ(text.spans().size(), 2u);
}

TEST(AttributedText, LaterFontsWinAndAppendMovesSpans) {
    AttributedText text("1/2 x");
    text.addFont({0, 5}, Font::system(10));
    text.addFont({0, 3}, Font::system(20));
    EXPECT_EQ(text.fontAt(1)->pointSize(), 20);
    EXPECT_EQ(text.fontAt(4)->pointSize(), 10);
    EXPECT_FALSE(text.fontAt(5));

    AttributedText line("= ");
    line.append(text);
    EXPECT_EQ(line.text(), "= 1/2 x");
    EXPECT_EQ(line.fontAt(2)->pointSize(), 20);
    EXPECT_FALSE(line.fontAt(0));
}

TEST(AttributedText, LinesAreAsHighAsTheirTallestFont) {
    TextAttributes defaults{Font::system(10)};
    AttributedText text("ab\ncd");
    text.addFont({1, 1}, Font::system(30));
    Size size = measureText(text, defaults);
    EXPECT_DOUBLE_EQ(size.height, Font::system(30).metrics().lineHeight + Font::system(10).metrics().lineHeight);
    // The same when the large font comes first.
    AttributedText first("ab\ncd");
    first.addFont({0, 1}, Font::system(30));
    EXPECT_DOUBLE_EQ(measureText(first, defaults).height, size.height);
    EXPECT_DOUBLE_EQ(measureText(AttributedText("ab\ncd"), defaults).height, 2 * Font::system(10).metrics().lineHeight);
    EXPECT_EQ(measureText(AttributedText(), defaults), (Size{0, 0}));
    EXPECT_EQ(detail::TextLayout(AttributedText(), defaults).size(), (Size{0, 0}));  // laid out all the same

    // A range that splits a surrogate pair is harmless.
    AttributedText emoji("x🤔y");
    emoji.addFont({2, 2}, Font::system(30));
    EXPECT_GT(measureText(emoji, defaults).width, 0.0);
}

TEST(AttributedText, DiagonalFractionsFromTheFractionFeature) {
    struct Case {
        const char* text;
        const char* forms;
    };
    const Case cases[] = {
        {"1/2", "¹⁄₂"}, {"12/305 x", "¹²⁄₃₀₅ x"}, {"3/4/5", "³⁄₄/5"}, {"1/", "1/"},
        {"/2", "/2"},   {"x = −7/9", "x = −⁷⁄₉"}, {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(detail::diagonalFractionForms(c.text), c.forms) << c.text;

    // Only the runs in the fraction font change; the text itself doesn't.
    Font fraction = Font::system(30).withFeature("frac");
    EXPECT_TRUE(detail::needsFractionForms(fraction));
    // Turned off, or another feature asked for: the face's own forms.
    EXPECT_FALSE(detail::needsFractionForms(fraction.withFeature("frac", 0)));
    EXPECT_FALSE(detail::needsFractionForms(Font::system(30).withFeature("tnum")));
    // A face with fractions of its own (Inter has them) draws them itself.
    EXPECT_FALSE(detail::needsFractionForms(Font::named("Inter", 30).withFeature("frac")));
    TextAttributes defaults{Font::system(30)};
    // Measured one after the other, the two fonts keep their own widths.
    EXPECT_GT(measureText("1/2", defaults).width, measureText("1/2", {fraction}).width);
    AttributedText text("1/2 + 3/4");
    Size plain = measureText(text, defaults);
    text.addFont({0, 3}, fraction);
    EXPECT_EQ(text.text(), "1/2 + 3/4");
    Size mixed = measureText(text, defaults);
    EXPECT_LT(mixed.width, plain.width);
    EXPECT_DOUBLE_EQ(mixed.width, measureText("¹⁄₂ + 3/4", defaults).width);

    ImageSurface image(mixed.width + 20, mixed.height + 20, 2.0);
    image.clear(Color::white());
    DrawingScope scope(image.context());
    drawText(text, {10, 10}, defaults);
    EXPECT_TRUE(image.writePng(testing::outputPath("gfx_diagonal_fraction.png")));
}

}  // namespace
}  // namespace gfx

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "platform/gfx/Font.h"
#include "platform/gfx/Text.h"

namespace gfx {
namespace {

struct FontCase {
    const char* name;
    Font font;
};

std::vector<FontCase> everyKind(double size) {
    return {
        {"system", Font::system(size)},
        {"system medium", Font::system(size, FontWeight::medium())},
        {"system 0.25", Font::system(size, FontWeight{0.25})},
        {"system bold", Font::system(size, FontWeight::bold())},
        {"monospaced digit", Font::monospacedDigitSystem(size)},
        {"monospaced digit light", Font::monospacedDigitSystem(size, FontWeight::light())},
        {"monospaced", Font::monospacedSystem(size, FontWeight::heavy())},
        {"named", Font::named("DejaVu Serif", size)},
        {"named fallback", Font::named("ChalkDuster", size)},
    };
}

TEST(Font, MetricsAreSaneForEveryKind) {
    for (const FontCase& c : everyKind(30.0)) {
        SCOPED_TRACE(c.name);
        FontMetrics m = c.font.metrics();
        EXPECT_EQ(m.pointSize, 30.0);
        EXPECT_GT(m.xHeight, 0.3 * 30.0);
        EXPECT_GT(m.capHeight, m.xHeight);
        EXPECT_GT(m.ascender, m.capHeight);
        EXPECT_LT(m.ascender, 1.5 * 30.0);
        EXPECT_LT(m.descender, 0.0);
        EXPECT_GT(m.descender, -0.5 * 30.0);
        EXPECT_GE(m.lineHeight, m.ascender - m.descender);
        EXPECT_LT(m.lineHeight, 2.0 * 30.0);

        // Measures grow in proportion to the size.
        FontMetrics twice = c.font.withSize(60.0).metrics();
        EXPECT_DOUBLE_EQ(twice.capHeight, 2.0 * m.capHeight);
        EXPECT_DOUBLE_EQ(twice.lineHeight, 2.0 * m.lineHeight);
    }
    // A face's line gap adds to the height of its lines: DejaVu Math TeX Gyre
    // rises 0.792 em, falls 0.208 em and leaves 0.2 em between lines.
    const FontMetrics gapped = Font::named("DejaVu Math TeX Gyre", 10.0).metrics();
    EXPECT_NEAR(gapped.ascender - gapped.descender, 10.0, 1e-9);
    EXPECT_NEAR(gapped.lineHeight, 12.0, 1e-9);
}

TEST(Font, NumericWeightsMapToTheNearestNamedWeight) {
    struct Case {
        double value;
        FontWeight named;
        int weightClass;
    };
    const Case cases[] = {
        {0.1, FontWeight::regular(), 400},
        {0.25, FontWeight::medium(), 500},
        {0.2, FontWeight::medium(), 500},
        {0.27, FontWeight::semibold(), 600},
        {-0.4, FontWeight::light(), 300},
        {0.56, FontWeight::heavy(), 800},
        {-5.0, FontWeight::ultraLight(), 100},
        {5.0, FontWeight::black(), 900},
        {std::numeric_limits<double>::quiet_NaN(), FontWeight::regular(), 400},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(FontWeight{c.value}.nearestNamed(), c.named);
        EXPECT_EQ(FontWeight{c.value}.weightClass(), c.weightClass);
    }
}

TEST(Font, FamiliesAndWeightsDrawWithTheirOwnFaces) {
    auto width = [](const std::string& text, const Font& font) { return measureText(text, {font}).width; };
    // Bold is a different face, wider than regular.
    EXPECT_GT(width("Hello", Font::system(20, FontWeight::bold())), width("Hello", Font::system(20)));
    // Tabular figures: every digit as wide as every other.
    EXPECT_DOUBLE_EQ(width("1111", Font::monospacedDigitSystem(20)), width("8888", Font::monospacedDigitSystem(20)));
    // Monospaced: letters too.
    EXPECT_DOUBLE_EQ(width("iiii", Font::monospacedSystem(20)), width("MMMM", Font::monospacedSystem(20)));
    EXPECT_LT(width("iiii", Font::system(20)), width("MMMM", Font::system(20)));
}

TEST(Font, NamedFontsMatchThroughFontconfig) {
    Font serif = Font::named("dejavu serif", 12);
    EXPECT_TRUE(serif.matchedName());
    EXPECT_EQ(serif.family(), "DejaVu Serif");
    EXPECT_EQ(serif.kind(), FontKind::named);

    Font missing = Font::named("ChalkDuster", 12);
    EXPECT_FALSE(missing.matchedName());
    EXPECT_FALSE(missing.family().empty());
    EXPECT_GT(measureText("Chalk", {missing}).width, 0.0);
}

TEST(Font, FeaturesAreSetOnce) {
    Font font = Font::monospacedDigitSystem(10).withFeature("frac").withFeature("frac", 0);
    ASSERT_EQ(font.features().size(), 2u);
    EXPECT_EQ(font.features()[0], (FontFeature{"tnum", 1}));
    EXPECT_EQ(font.features()[1], (FontFeature{"frac", 0}));
    // How a font was asked for is part of it.
    EXPECT_NE(Font::monospacedDigitSystem(10), Font::system(10).withFeature("tnum"));
    EXPECT_EQ(Font::monospacedDigitSystem(10).kind(), FontKind::monospacedDigit);
}

}  // namespace
}  // namespace gfx

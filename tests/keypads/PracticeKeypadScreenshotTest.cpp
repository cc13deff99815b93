// The practice keypad as the substitution practice screen shows it, after a
// level and an option have been chosen.

#include <gtest/gtest.h>

#include "PracticeHarness.h"
#include "platform/gfx/GfxTestSupport.h"

namespace duolinear {
namespace {

TEST(PracticeKeypadScreenshot, OptionsLevelsProblemAndThinkKey)
{
    testing::HostedPracticeKeypad keypad(testing::substitutionPracticeElements({{1}, {0}}));
    auto& hosted = keypad.hosted;
    hosted.tapKeys({"L5123", "O4162"});
    gfx::ImageSurface image(390.0, 844.0, 2.0);
    hosted.window().render(image);
    ASSERT_TRUE(image.writePng(gfx::testing::outputPath("practice_keypad.png")));

    // Just inside a view's top-left corner, and at its centre, at twice the size.
    auto colourAt = [&](const ui::View& view, bool centre) {
        const gfx::Rect f = hosted.frame(view);
        return centre ? image.pixel(static_cast<int>(2 * f.midX()), static_cast<int>(2 * f.midY()))
                      : image.pixel(static_cast<int>(2 * f.minX() + 6), static_cast<int>(2 * f.minY() + 6));
    };
    for (long long tag : {4098, 4162, 5123}) EXPECT_EQ(colourAt(*hosted.label(tag), false), gfx::Color::green()) << tag;
    for (long long tag : {4097, 4161, 5121, 6145}) EXPECT_EQ(colourAt(*hosted.label(tag), false), gfx::Color::white());
    // The face of the "🤔" key covers its centre.
    EXPECT_NE(colourAt(*hosted.button("🤔"), true), gfx::Color::white());
}

}  // namespace
}  // namespace duolinear

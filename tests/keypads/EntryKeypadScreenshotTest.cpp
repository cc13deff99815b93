// The entry keypad as an addition entry screen shows it, after a few taps.

#include <gtest/gtest.h>

#include "KeypadHarness.h"
#include "platform/gfx/GfxTestSupport.h"

namespace duolinear {
namespace {

TEST(EntryKeypadScreenshot, SixFieldsAndThreeOptionRows)
{
    testing::EntryKeypad keypad;
    auto& hosted = keypad.hosted;
    hosted.tapKeys({"2", "I2", "+/-", "3", "I3", "1", "2", "I65", "5", "I66", "+/-", "4", "I67", "7", "O4098", "O4226",
                    "I2"});
    gfx::ImageSurface image(390.0, 844.0, 2.0);
    hosted.window().render(image);
    ASSERT_TRUE(image.writePng(gfx::testing::outputPath("entry_keypad.png")));

    // Just inside each view's top-left corner, at twice the size.
    auto colourIn = [&](const ui::View& view) {
        const gfx::Rect frame = hosted.frame(view);
        return image.pixel(static_cast<int>(2 * frame.minX() + 6), static_cast<int>(2 * frame.minY() + 6));
    };
    for (long long tag : {2, 4098, 4161, 4226}) EXPECT_EQ(colourIn(*hosted.label(tag)), gfx::Color::green()) << tag;
    for (long long tag : {1, 4097}) EXPECT_EQ(colourIn(*hosted.label(tag)), gfx::Color::white()) << tag;
    EXPECT_EQ(colourIn(*hosted.button("DEL")), gfx::Color::lightGray());
}

}  // namespace
}  // namespace duolinear

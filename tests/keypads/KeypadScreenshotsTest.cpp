// The entry keypad as an addition entry screen shows it and the practice
// keypad as the substitution practice screen shows it, after a few taps,
// rendered at twice the size and written out to be looked at.

#include <gtest/gtest.h>

#include "KeypadHarness.h"
#include "PracticeHarness.h"
#include "support/Pixels.h"
#include "support/TestOutput.h"

namespace duolinear {
namespace {

struct Screenshot {
    Screenshot(testing::Hosted& hosted, const std::string& name) : hosted(hosted) {
        hosted.window().render(image);
        EXPECT_TRUE(image.writePng(gfx::testing::outputPath(name)));
    }
    // Just inside the view's top-left corner, or at its centre.
    gfx::Color colourIn(const ui::View& view, bool centre = false) {
        const gfx::Rect f = hosted.frame(view);
        return centre ? image.pixel(static_cast<int>(2 * f.midX()), static_cast<int>(2 * f.midY()))
                      : image.pixel(static_cast<int>(2 * f.minX() + 6), static_cast<int>(2 * f.minY() + 6));
    }
    testing::Hosted& hosted;
    gfx::ImageSurface image{390.0, 844.0, 2.0};
};

TEST(KeypadScreenshots, EntryKeypadWithSixFieldsAndThreeOptionRows) {
    testing::EntryKeypad keypad;
    auto& hosted = keypad.hosted;
    hosted.tapKeys(
        {"2", "I2", "+/-", "3", "I3", "1", "2", "I65", "5", "I66", "+/-", "4", "I67", "7", "O4098", "O4226", "I2"});
    Screenshot shot(hosted, "entry_keypad.png");
    for (long long tag : {2, 4098, 4161, 4226})
        EXPECT_EQ(shot.colourIn(*hosted.label(tag)), gfx::Color::green()) << tag;
    for (long long tag : {1, 4097}) EXPECT_EQ(shot.colourIn(*hosted.label(tag)), gfx::Color::white()) << tag;
    EXPECT_EQ(shot.colourIn(*hosted.button("DEL")), gfx::Color::lightGray());
}

TEST(KeypadScreenshots, PracticeKeypadWithOptionsLevelsProblemAndThinkKey) {
    testing::HostedPracticeKeypad keypad(testing::substitutionPracticeElements({{1}, {0}}));
    auto& hosted = keypad.hosted;
    hosted.tapKeys({"L5123", "O4162"});
    Screenshot shot(hosted, "practice_keypad.png");
    for (long long tag : {4098, 4162, 5123}) EXPECT_EQ(shot.colourIn(*hosted.label(tag)), gfx::Color::green()) << tag;
    for (long long tag : {4097, 4161, 5121, 6145}) EXPECT_EQ(shot.colourIn(*hosted.label(tag)), gfx::Color::white());
    // The face of the "🤔" key covers its centre.
    EXPECT_NE(shot.colourIn(*hosted.button("🤔"), true), gfx::Color::white());
}

}  // namespace
}  // namespace duolinear

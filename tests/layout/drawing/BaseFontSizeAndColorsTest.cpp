#include <gtest/gtest.h>

#include "layout/drawing/BaseFontSize.h"
#include "layout/drawing/ColorMapping.h"
#include "platform/gfx/Screen.h"

namespace duolinear {
namespace {

TEST(BaseFontSize, FollowsTheMainScreenWidth) {
    const gfx::Rect before = gfx::mainScreenBounds();
    struct Case {
        double width;
        double size;
    };
    for (Case c : {Case{320, 30}, Case{428, 30}, Case{428.5, 32}, Case{429, 32}, Case{1024, 32}}) {
        gfx::setMainScreenBounds(gfx::Rect::make(0, 0, c.width, 900));
        EXPECT_EQ(baseFontSize(), c.size) << c.width;
    }
    gfx::setMainScreenBounds(before);
}

TEST(ColorMapping, EveryLayoutColourHasItsPlatformColour) {
    struct Case {
        Color color;
        gfx::Color expected;
    };
    const Case cases[] = {
        {Color::invisible, gfx::Color::clear()},
        {Color::white, gfx::Color::white()},
        {Color::clear, gfx::Color::clear()},
        {Color::black, gfx::Color::black()},
        {Color::light_gray, gfx::Color::lightGray()},
        {Color::gray, gfx::Color::gray()},
        {Color::dark_gray, gfx::Color::darkGray()},
        {Color::red, gfx::Color::red()},
        {Color::blue, gfx::Color::blue()},
        {Color::green, gfx::Color::green()},
        {Color::cyan, gfx::Color::cyan()},
        {Color::brown, gfx::Color::brown()},
        {Color::magenta, gfx::Color::magenta()},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(uiColor(c.color), c.expected) << rawValue(c.color);
        EXPECT_EQ(cgColor(c.color), c.expected) << rawValue(c.color);
    }
    EXPECT_TRUE(uiColor(Color::invisible).isClear());
}

}  // namespace
}  // namespace duolinear

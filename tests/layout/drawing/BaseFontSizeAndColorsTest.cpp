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

// Each layout colour is drawn in its own red, green, blue and alpha.
TEST(ColorMapping, EveryLayoutColourHasItsPlatformColour) {
    struct Case {
        Color color;
        gfx::Color expected;
    };
    const Case cases[] = {
        {Color::invisible, gfx::Color::rgba(0, 0, 0, 0)},
        {Color::white, gfx::Color::rgba(1, 1, 1)},
        {Color::clear, gfx::Color::rgba(0, 0, 0, 0)},
        {Color::black, gfx::Color::rgba(0, 0, 0)},
        {Color::light_gray, gfx::Color::rgba(2.0 / 3, 2.0 / 3, 2.0 / 3)},
        {Color::gray, gfx::Color::rgba(0.5, 0.5, 0.5)},
        {Color::dark_gray, gfx::Color::rgba(1.0 / 3, 1.0 / 3, 1.0 / 3)},
        {Color::red, gfx::Color::rgba(1, 0, 0)},
        {Color::blue, gfx::Color::rgba(0, 0, 1)},
        {Color::green, gfx::Color::rgba(0, 1, 0)},
        {Color::cyan, gfx::Color::rgba(0, 1, 1)},
        {Color::brown, gfx::Color::rgba(0.6, 0.4, 0.2)},
        {Color::magenta, gfx::Color::rgba(1, 0, 1)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(uiColor(c.color), c.expected) << rawValue(c.color);
        EXPECT_EQ(cgColor(c.color), c.expected) << rawValue(c.color);
    }
    EXPECT_TRUE(uiColor(Color::invisible).isClear());
}

}  // namespace
}  // namespace duolinear

#include <gtest/gtest.h>

#include "KeypadHarness.h"
#include "keypads/UniversalInfoView.h"

namespace duolinear {
namespace {

TEST(InfoView, LinesShareTheHeightAndShrinkLongTextsOntoOneLine) {
    const std::vector<std::string> lines = {"one", "two", "a third line far too long for the width of this view"};
    auto info = std::make_shared<UniversalInfoView>(lines);
    testing::Hosted hosted(info, 410.0, 100.0);  // the view is 400 x 90
    ASSERT_EQ(info->subviews().size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        const auto& label = dynamic_cast<const ui::Label&>(*info->subviews()[i]);
        EXPECT_EQ(label.text(), lines[i]);
        EXPECT_TRUE(testing::nearRect(hosted.frame(label), gfx::Rect::make(5, 5 + 30.0 * i, 400, 30)));
        EXPECT_NEAR(label.textRect().midX(), 200, 1e-6) << "centred";
        EXPECT_NEAR(label.textRect().midY(), 15, 1e-6) << "centred";
    }
    EXPECT_FALSE(info->isHidden());
    const auto& last = dynamic_cast<const ui::Label&>(*info->subviews()[2]);
    EXPECT_LT(last.fontScale(), 1.0);
    EXPECT_LE(last.textRect().width(), 400.0);

    EXPECT_TRUE(UniversalInfoView({}).subviews().empty());
}

}  // namespace
}  // namespace duolinear

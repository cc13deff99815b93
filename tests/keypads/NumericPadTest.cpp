#include <gtest/gtest.h>

#include "KeypadHarness.h"
#include "keypads/UniversalNumericPadView.h"
#include "platform/gfx/Screen.h"

namespace duolinear {
namespace {

using testing::Hosted;

const std::vector<std::vector<std::string>> kRows = {
    {"7", "8", "9", "+/-"}, {"4", "5", "6", "C"}, {"1", "2", "3", "DEL"}, {"0", ".", "🤔"}};

TEST(NumericPad, FourRowsOnePointApartWithTheBottomRowTwoToOneToOne) {
    Hosted hosted(std::make_shared<UniversalNumericPadView>(), 410.0, 410.0);  // the pad is 400 x 400
    EXPECT_TRUE(hosted.layoutProblems().empty());
    const double height = (400.0 - 3.0) / 4.0;
    for (std::size_t r = 0; r < kRows.size(); ++r) {
        double left = 5.0;
        for (std::size_t k = 0; k < kRows[r].size(); ++k) {
            const double width = r < 3 ? (400.0 - 3.0) / 4.0 : (k == 0 ? 199.0 : 99.5);
            ui::Button* key = hosted.button(kRows[r][k]);
            ASSERT_NE(key, nullptr) << kRows[r][k];
            const gfx::Rect expected = gfx::Rect::make(left, 5.0 + r * (height + 1.0), width, height);
            EXPECT_TRUE(testing::nearRect(hosted.frame(*key), expected)) << kRows[r][k];
            EXPECT_EQ(key->titleColor(), gfx::Color::black()) << kRows[r][k];
            EXPECT_EQ(key->backgroundColor(), gfx::Color::lightGray()) << kRows[r][k];
            left += width + 1.0;
        }
    }
}

TEST(NumericPad, TitleSizesFollowTheScreenWidth) {
    const gfx::Rect previous = gfx::mainScreenBounds();
    for (const auto& [screenWidth, size] : {std::pair{428.0, 30.0}, std::pair{429.0, 32.0}}) {
        gfx::setMainScreenBounds(gfx::Rect::make(0, 0, screenWidth, 844));
        Hosted hosted(std::make_shared<UniversalNumericPadView>());
        EXPECT_EQ(hosted.button("DEL")->titleLabel().font().pointSize(), size);
        EXPECT_EQ(hosted.button("🤔")->titleLabel().font().pointSize(), 1.5 * size);
    }
    gfx::setMainScreenBounds(previous);
}

TEST(NumericPad, EveryTapHandsTheTappedKeyToTheDelegate) {
    auto pad = std::make_shared<UniversalNumericPadView>();
    testing::RecordingPadDelegate delegate;
    pad->setDelegate(&delegate);
    Hosted hosted(pad);
    std::vector<ui::Object*> expected;
    for (const auto& row : kRows) {
        hosted.tapKeys(row);
        for (const std::string& title : row) expected.push_back(hosted.button(title));
    }
    // The one-point gap between two keys reaches no key.
    hosted.tap({hosted.frame(*hosted.button("7")).maxX() + 0.5, hosted.frame(*hosted.button("7")).midY()});
    EXPECT_EQ(delegate.senders, expected);

    pad->setDelegate(nullptr);
    hosted.tapKeys({"7", "🤔"});
    EXPECT_EQ(delegate.senders.size(), expected.size());
}

}  // namespace
}  // namespace duolinear

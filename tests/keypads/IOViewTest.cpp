#include <algorithm>

#include <gtest/gtest.h>

#include "KeypadHarness.h"
#include "keypads/KeypadStyle.h"
#include "keypads/UniversalIntegerIOView.h"

namespace duolinear {
namespace {

using testing::Hosted;
using testing::nearRect;

const gfx::Color kGreen = gfx::Color::green();

TEST(IOView, KeysUnderLabelsTitledByKindAndTagInBandOrder) {
    auto io = std::make_shared<UniversalIntegerIOView>(EntryElements{
        .inputs = {{{"0", "0", "0"}}, {{"0", "0", "0"}}},
        .polynomials = {{{"1", "2", "3"}}},
        .options = {{{"o1", "an option far too long for half of this view"}}},
        .multiLine = {{{"m"}}},
    });
    Hosted hosted(io);
    EXPECT_TRUE(hosted.layoutProblems().empty());
    // Bands top to bottom: multi-line, option, inputs, polynomial; 5 points apart.
    const long long bands[] = {3073, 4097, 1, 65, 1025};
    for (std::size_t i = 1; i < 5; ++i) {
        const double above = hosted.frame(*hosted.label(bands[i - 1])).maxY();
        EXPECT_NEAR(hosted.frame(*hosted.label(bands[i])).minY(), above + 5, 1e-6) << bands[i];
    }
    for (const auto& [tag, title] : std::vector<std::pair<long long, std::string>>{
             {1, "I1"}, {67, "I67"}, {4098, "O4098"}, {3073, "M3073"}, {1027, "P1027"}, {1028, "P_option1028"}}) {
        ui::Button* key = hosted.button(title);
        ASSERT_NE(key, nullptr) << title;
        EXPECT_TRUE(key->backgroundColor().isClear());
        EXPECT_TRUE(nearRect(hosted.frame(*hosted.label(tag)), hosted.frame(*key))) << title;
        // Titles and texts in the keypad's size, the texts a little heavier.
        EXPECT_EQ(key->titleLabel().font(), gfx::Font::system(keypadFontSize())) << title;
        EXPECT_EQ(hosted.label(tag)->font(), gfx::Font::system(keypadFontSize(), kLabelWeight)) << title;
    }
    // Texts are centred; a long one shrinks to its label and keeps the
    // baseline of its row.
    const auto baseline = [&](long long tag) {
        const ui::Label& label = *hosted.label(tag);
        return label.textRect().minY() + label.font().metrics().ascender * label.fontScale();
    };
    EXPECT_LT(hosted.label(4098)->fontScale(), 1.0);
    EXPECT_LE(hosted.label(4098)->textRect().width(), hosted.frame(*hosted.label(4098)).width());
    EXPECT_NEAR(baseline(4098), baseline(4097), 1e-6);
    EXPECT_NEAR(hosted.label(4097)->textRect().midX(), 0.5 * hosted.frame(*hosted.label(4097)).width(), 1e-6);
    EXPECT_EQ(hosted.text(1028), "➘");
    EXPECT_EQ(hosted.background(1028), gfx::Color::cyan());
    // Only the first field of the first entry list starts green.
    for (long long tag : {1, 2, 3, 65, 66, 67, 1025, 1026, 1027, 3073, 4097, 4098}) {
        EXPECT_EQ(hosted.background(tag) == kGreen, tag == 1 || tag == 3073 || tag == 4097) << tag;
    }
}

TEST(IOView, OptionSelectionsPickTheGreenOption) {
    const std::pair<OptionIndices, std::vector<long long>> cases[] = {
        {{}, {4097, 4161, 4169}},
        {{{2}, {1, 0}}, {4099, 4162, 4169}},
        {{{3}, {-1}}, {4097, 4161, 4169}},  // no such option, no such row: the first
    };
    for (const auto& [selections, green] : cases) {
        Hosted hosted(std::make_shared<UniversalIntegerIOView>(
            EntryElements{.options = {{{"a", "b", "c"}}, {{"d", "e"}, {"f", "g"}}}, .optionsSelections = selections}));
        for (long long tag : {4097, 4098, 4099, 4161, 4162, 4169, 4170}) {
            EXPECT_EQ(hosted.background(tag) == kGreen, std::count(green.begin(), green.end(), tag) == 1) << tag;
        }
    }
}

TEST(IOView, ATapOnALabelHandsOverTheKeyBeneathAndAGapNothing) {
    auto io = std::make_shared<UniversalIntegerIOView>(EntryElements{.inputs = {{{"0", "0"}}}});
    testing::RecordingPadDelegate delegate;
    io->setDelegate(&delegate);
    Hosted hosted(io);
    const gfx::Rect field = hosted.frame(*hosted.label(2));
    hosted.tap({field.minX() + 1, field.maxY() - 1});
    hosted.tap({field.minX() - 2.5, field.midY()});
    EXPECT_EQ(delegate.senders, std::vector<ui::Object*>{hosted.button("I2")});
}

TEST(IOView, FractionBandsHaveTwoLevels) {
    struct Case {
        ElementGroups fractions;
        double height;  // of the view, below an input band 100 high
        std::vector<std::pair<long long, gfx::Rect>> frames;
    };
    const Case cases[] = {
        {{{{"n", "d"}}}, 310, {{2049, {{5, 110}, {400, 100}}}, {2050, {{5, 215}, {400, 100}}}}},
        {{{{"w", "n", "d"}}},
         305,
         {{2049, {{5, 110}, {197.5, 200}}},
          {2050, {{207.5, 110}, {197.5, 97.5}}},
          {2051, {{207.5, 212.5}, {197.5, 97.5}}}}},
        // The next band starts 5 points below the lower level.
        {{{{"a", "b"}}, {{"c", "d"}}}, 520, {{2050, {{5, 215}, {400, 100}}}, {2113, {{5, 320}, {400, 100}}}}},
        // Two fractions side by side, 10 apart, equally wide, above another band.
        {{{{"a", "b"}, {"c", "d"}}, {{"e", "f"}}},
         520,
         {{2049, {{5, 110}, {195, 100}}}, {2058, {{210, 215}, {195, 100}}}, {2113, {{5, 320}, {400, 100}}}}},
    };
    for (const Case& c : cases) {
        const EntryElements elements{.inputs = {{{"i"}}}, .fractions = c.fractions};
        Hosted hosted(std::make_shared<UniversalIntegerIOView>(elements), 410, c.height + 10);
        EXPECT_TRUE(hosted.layoutProblems().empty());
        EXPECT_TRUE(nearRect(hosted.frame(*hosted.label(1)), {{5, 5}, {400, 100}}));
        for (const auto& [tag, frame] : c.frames) EXPECT_TRUE(nearRect(hosted.frame(*hosted.label(tag)), frame)) << tag;
    }
}

TEST(IOView, EmptyGroupsTakeNoBand) {
    EXPECT_TRUE(UniversalIntegerIOView(EntryElements{}).subviews().empty());
    Hosted hosted(std::make_shared<UniversalIntegerIOView>(EntryElements{.inputs = {{}, {{"0"}}, {{}}}}), 410, 110);
    EXPECT_TRUE(hosted.layoutProblems().empty());
    EXPECT_TRUE(nearRect(hosted.frame(*hosted.label(65)), {{5, 5}, {400, 100}}));
}

}  // namespace
}  // namespace duolinear

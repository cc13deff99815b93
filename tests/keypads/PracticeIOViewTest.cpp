#include <gtest/gtest.h>

#include "PracticeHarness.h"
#include "keypads/KeypadStyle.h"
#include "keypads/UniversalIntegerPracticeIOView.h"

namespace duolinear {
namespace {

using testing::Hosted;
using testing::nearRect;

const ElementGroups kOptions = {{{"x in terms of y", "y in terms of x"}}, {{"from the first", "from the second"}}};
const std::vector<gfx::AttributedText> kOneExample = {gfx::AttributedText("q")};

TEST(PracticeIOView, KeysTitledByKindAndTagOverTheirLabels) {
    struct Case {
        PracticeElements elements;
        std::vector<std::string> titles;  // of the keys, in subview order
        std::vector<long long> green;     // among all labels
    };
    const Case cases[] = {
        {{.options = kOptions,
          .optionsSelections = {{1}, {0}},
          .levels = {"😀", "🙂", "😐", "🙁"},
          .examples = {gfx::AttributedText("a"), gfx::AttributedText("b"), gfx::AttributedText("c")}},
         {"O4097", "O4098", "O4161", "O4162", "L5121", "L5122", "L5123", "L5124", "🤔"},
         {4098, 4161, 5121}},
        // Multi-line bands come first; without selections the first option of every row.
        {{.multiLine = {{{"m", "n"}}, {{"p"}}}, .options = kOptions, .examples = kOneExample},
         {"M3073", "M3074", "M3137", "O4097", "O4098", "O4161", "O4162", "🤔"},
         {3073, 4097, 4161}},
    };
    for (const Case& c : cases) {
        UniversalIntegerPracticeIOView view(c.elements);
        std::vector<std::string> titles;
        std::vector<long long> green;
        for (const auto& subview : view.subviews()) {
            const auto* key = dynamic_cast<const ui::Button*>(subview.get());
            if (key != nullptr) titles.push_back(*key->currentTitle());
            if (subview->backgroundColor() == gfx::Color::green()) green.push_back(subview->tag());
            // Every title and text in the keypad's size, but the large "🤔".
            const auto* label = dynamic_cast<const ui::Label*>(subview.get());
            ASSERT_TRUE(key != nullptr || label != nullptr);
            const gfx::Font font = key != nullptr ? key->titleLabel().font() : label->font();
            EXPECT_EQ(font, gfx::Font::system(key != nullptr && *key->currentTitle() == "🤔" ? 120.0 : keypadFontSize()))
                << subview->tag();
        }
        EXPECT_EQ(titles, c.titles);
        EXPECT_EQ(green, c.green);
    }
    // White example rows in the keypad's font size, keeping their attributes.
    gfx::AttributedText question("2x + y = 1");
    question.addForegroundColor({0, 2}, gfx::Color::red());
    UniversalIntegerPracticeIOView view(PracticeElements{.levels = {"1"}, .examples = {kOneExample[0], question}});
    const auto& example = dynamic_cast<ui::Label&>(*view.viewWithTag(6146));
    EXPECT_EQ(example.attributedText(), question);
    EXPECT_EQ(example.backgroundColor(), gfx::Color::white());
    EXPECT_EQ(example.font().pointSize(), keypadFontSize());
}

TEST(PracticeIOView, BandsExampleRowsAndThinkKeyShareOneHeight) {
    // Two option bands and a level band over one example row, 305 x 325:
    // rows (325 − 25) / 6 = 50 high, the "🤔" key 100.
    Hosted hosted(std::make_shared<UniversalIntegerPracticeIOView>(PracticeElements{
                      .options = kOptions, .levels = {"1", "2", "3", "4", "5"}, .examples = kOneExample}),
                  315, 335);
    EXPECT_TRUE(hosted.layoutProblems().empty());
    // Bands 5 apart, their keys 5 apart and equally wide; the example row 10 below.
    const struct {
        long long first;
        int count;
        double top;
    } bands[] = {{4097, 2, 5}, {4161, 2, 60}, {5121, 5, 115}, {6145, 1, 175}};
    for (const auto& band : bands) {
        const double width = (305.0 - 5.0 * (band.count - 1)) / band.count;
        for (int k = 0; k < band.count; ++k) {
            EXPECT_TRUE(
                nearRect(hosted.frame(*hosted.label(band.first + k)), {{5 + k * (width + 5), band.top}, {width, 50}}))
                << band.first + k;
        }
    }
    EXPECT_TRUE(nearRect(hosted.frame(*hosted.label(4098)), hosted.frame(*hosted.button("O4098"))));
    const gfx::Rect think = hosted.frame(*hosted.button("🤔"));
    EXPECT_TRUE(nearRect({{think.minX(), 230}, {think.width(), 100}}, think));
    EXPECT_NEAR(think.midX(), 5 + 305 / 2.0, 1e-6);

    // Five levels in 320 points are 60 wide; the rows of a band stand side
    // by side 10 apart, their keys 5 apart, all as wide as the first; a long
    // option shrinks to its key.
    Hosted rows(std::make_shared<UniversalIntegerPracticeIOView>(
                    PracticeElements{.options = {{{"an option far too long for its key"}, {"b", "c"}}},
                                     .levels = {"1", "2", "3", "4", "5"},
                                     .examples = kOneExample}),
                330, 335);
    EXPECT_NEAR(rows.frame(*rows.label(5125)).minX(), 5 + 4 * 65, 1e-6);
    const double w = (320 - 5 - 10) / 3.0;
    EXPECT_TRUE(nearRect(rows.frame(*rows.label(4106)), {{5 + 2 * w + 15, 5}, {w, 61}}));
    EXPECT_LT(rows.label(4097)->fontScale(), 1.0);
    EXPECT_LE(rows.label(4097)->textRect().width(), w);

    // Without bands, rows or examples the view still lays out, the "🤔" key at the bottom.
    for (const PracticeElements& elements : {PracticeElements{}, PracticeElements{.examples = kOneExample},
                                             PracticeElements{.options = {{}, {{}, {"a"}}}}}) {
        Hosted sparse(std::make_shared<UniversalIntegerPracticeIOView>(elements), 310, 310);
        EXPECT_TRUE(sparse.layoutProblems().empty());
        EXPECT_NEAR(sparse.frame(*sparse.button("🤔")).maxY(), 305, 1e-6);
    }
}

TEST(PracticeIOView, ATapOnALabelHandsOverTheKeyBeneath) {
    auto view = std::make_shared<UniversalIntegerPracticeIOView>(
        PracticeElements{.options = kOptions, .levels = {"1", "2"}, .examples = kOneExample});
    Hosted hosted(view);
    hosted.tapKeys({"O4098", "🤔"});  // no delegate yet: nothing happens

    testing::RecordingPadDelegate delegate;
    view->setDelegate(&delegate);
    const gfx::Rect option = hosted.frame(*hosted.label(4098));
    hosted.tap({option.maxX() - 1, option.minY() + 1});
    hosted.tap(hosted.frame(*hosted.label(6145)).origin);  // an example row has no key
    hosted.tapKeys({"L5122", "🤔"});
    EXPECT_EQ(delegate.senders,
              (std::vector<ui::Object*>{hosted.button("O4098"), hosted.button("L5122"), hosted.button("🤔")}));
}

}  // namespace
}  // namespace duolinear

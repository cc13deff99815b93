// Labels: their size from the text and its changes, shrinking a text too wide for them, and
// the two places a shrunk text can stand.

#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "platform/gfx/Text.h"
#include "platform/ui/Label.h"
#include "platform/ui/Window.h"
#include "support/Pixels.h"
#include "support/TestOutput.h"

namespace ui {
namespace {

std::shared_ptr<Label> makeLabel(const std::string& text, double width, BaselineAdjustment adjustment) {
    auto label = std::make_shared<Label>();
    label->setText(text);
    label->setFont(gfx::Font::system(30.0));
    label->setTextAlignment(TextAlignment::center);
    label->setAdjustsFontSizeToFitWidth(true);
    label->setBaselineAdjustment(adjustment);
    label->setFrame(gfx::Rect::make(0, 0, width, 60));
    return label;
}

TEST(Label, IntrinsicSizeIsTheMeasuredText) {
    auto label = makeLabel("eliminate x to find y", 100, BaselineAdjustment::alignBaselines);
    gfx::TextAttributes attributes;
    attributes.font = gfx::Font::system(30.0);
    EXPECT_EQ(*label->intrinsicContentSize(), gfx::measureText("eliminate x to find y", attributes));
}

TEST(Label, TextThatFitsKeepsItsFullSizeAndAlignment) {
    auto label = makeLabel("0", 200, BaselineAdjustment::alignBaselines);
    EXPECT_EQ(label->fontScale(), 1.0);
    const gfx::Rect text = label->textRect();
    EXPECT_NEAR(text.midX(), 100.0, 1e-9);
    EXPECT_NEAR(text.midY(), 30.0, 1e-9);
    // Left and right alignment put it against that side.
    label->setTextAlignment(TextAlignment::left);
    EXPECT_NEAR(label->textRect().minX(), 0.0, 1e-9);
    label->setTextAlignment(TextAlignment::right);
    EXPECT_NEAR(label->textRect().maxX(), 200.0, 1e-9);
}

TEST(Label, TooWideTextShrinksToFitOnOneLine) {
    for (const BaselineAdjustment adjustment : {BaselineAdjustment::alignBaselines, BaselineAdjustment::alignCenters}) {
        auto label = makeLabel("substitute in second", 120, adjustment);
        const double full = label->intrinsicContentSize()->width;
        ASSERT_GT(full, 120.0);
        const double scale = label->fontScale();
        EXPECT_LT(scale, 1.0);
        EXPECT_GT(scale, 0.9 * 120.0 / full);
        const gfx::Rect text = label->textRect();
        EXPECT_LE(text.width(), 120.0 + 1e-9);
        EXPECT_GT(text.width(), 0.9 * 120.0);
        EXPECT_NEAR(text.midX(), 60.0, 1e-9);
        EXPECT_LT(text.height(), label->intrinsicContentSize()->height);  // one line, smaller
    }

    auto label = makeLabel("substitute in second", 120, BaselineAdjustment::alignBaselines);
    label->setAdjustsFontSizeToFitWidth(false);
    EXPECT_EQ(label->fontScale(), 1.0);
}

TEST(Label, ShrunkTextStandsOnTheOldBaselineOrInTheMiddle) {
    const std::string text = "smart ✖️ smart ✖️ smart";
    auto centred = makeLabel(text, 100, BaselineAdjustment::alignCenters);
    auto onBaseline = makeLabel(text, 100, BaselineAdjustment::alignBaselines);
    const double scale = onBaseline->fontScale();
    ASSERT_LT(scale, 0.8);

    EXPECT_NEAR(centred->textRect().midY(), 30.0, 1e-9);

    const double ascender = gfx::Font::system(30.0).metrics().ascender;
    const double fullHeight = onBaseline->intrinsicContentSize()->height;
    const double fullBaseline = (60.0 - fullHeight) / 2.0 + ascender;
    EXPECT_NEAR(onBaseline->textRect().minY() + ascender * scale, fullBaseline, 1e-9);
    EXPECT_GT(onBaseline->textRect().midY(), 30.0);  // below the middle
}

TEST(Label, ChangedContentIsMeasuredAndDrawnAgain) {
    struct Change {
        const char* what;
        void (*apply)(Label&);
        std::string text;
        double pointSize;
    };
    const Change changes[] = {
        {"text", [](Label& l) { l.setText("a wider text"); }, "a wider text", 17},
        {"attributed text", [](Label& l) { l.setAttributedText(gfx::AttributedText("wider still, attributed")); },
         "wider still, attributed", 17},
        {"font", [](Label& l) { l.setFont(gfx::Font::system(40.0)); }, "wider still, attributed", 40},
        {"colour", [](Label& l) { l.setTextColor(gfx::Color::red()); }, "wider still, attributed", 40},
    };
    Window window(gfx::Rect::make(0, 0, 600, 100));
    auto label = testing::addConstrained<Label>(window);
    label->setText("x");
    label->topAnchor().constraintEqualTo(window.topAnchor()).activate();
    label->leadingAnchor().constraintEqualTo(window.leadingAnchor()).activate();
    gfx::ImageSurface image(600, 100, 1.0);
    for (const Change& change : changes) {
        window.render(image);
        change.apply(*label);
        EXPECT_TRUE(window.needsDisplay()) << change.what;
        window.layoutIfNeeded();
        EXPECT_NEAR(label->frame().width(), gfx::measureText(change.text, {gfx::Font::system(change.pointSize)}).width,
                    1e-9)
            << change.what;
    }
    window.render(image);
    EXPECT_GT(gfx::testing::countWhere(image, [](gfx::Color c) { return c.r > 0.8 && c.g < 0.3 && c.b < 0.3; }), 100);
}

TEST(Label, AttributedTextIsDrawnAndShrunkWithItsFonts) {
    gfx::AttributedText text("2x − 3y = -4 and -x + y = 1");
    text.addFont({0, 2}, gfx::Font::system(40.0));
    text.addForegroundColor({0, 2}, gfx::Color::red());
    auto window = std::make_shared<Window>(gfx::Rect::make(0, 0, 200, 60));
    auto label = std::make_shared<Label>();
    label->setFrame(window->bounds());
    label->setAttributedText(text);
    label->setAdjustsFontSizeToFitWidth(true);
    window->addSubview(label);
    EXPECT_EQ(label->text(), text.text());
    EXPECT_LT(label->fontScale(), 1.0);

    gfx::ImageSurface image(200, 60, 2.0);
    window->render(image);
    ASSERT_TRUE(image.writePng(gfx::testing::outputPath("ui-label-attributed.png")));
    bool red = false;
    for (int y = 0; y < image.pixelHeight() && !red; ++y) {
        for (int x = 0; x < image.pixelWidth() / 4 && !red; ++x) {
            const gfx::Color c = image.pixel(x, y);
            red = c.r > 0.8 && c.g < 0.3 && c.b < 0.3;
        }
    }
    EXPECT_TRUE(red);
    EXPECT_GT(gfx::testing::inkedShare(image), 0.01);
}

}  // namespace
}  // namespace ui

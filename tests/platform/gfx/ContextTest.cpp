#include <cmath>
#include <utility>

#include <cairo.h>
#include <gtest/gtest.h>

#include "platform/gfx/Gfx.h"
#include "support/Pixels.h"
#include "support/TestOutput.h"

namespace gfx {
namespace {

TEST(Context, FillAndStrokeUseTheirOwnColours) {
    ImageSurface image(60, 60);
    Context& context = image.context();
    context.setFillColor(Color::blue());
    context.setStrokeColor(Color::red());
    context.setLineWidth(4);
    context.addRect(Rect::make(10, 10, 40, 40));
    context.drawPath(PathDrawingMode::fillStroke);
    EXPECT_EQ(image.pixel(30, 30), Color::blue());
    EXPECT_EQ(image.pixel(10, 30), Color::red());
    EXPECT_EQ(image.pixel(5, 5), Color::clear());

    // The path is used up by drawing.
    context.setFillColor(Color::green());
    context.fillPath();
    EXPECT_EQ(image.pixel(30, 30), Color::blue());

    // Filling or stroking a rectangle starts a path of its own.
    for (const bool stroke : {false, true}) {
        context.addRect(Rect::make(0, 0, 4, 4));  // never drawn
        if (stroke) {
            context.strokeRect(Rect::make(52, 52, 6, 6));
        } else {
            context.fillRect(Rect::make(52, 52, 6, 6));
        }
        EXPECT_EQ(image.pixel(0, 2), Color::clear()) << stroke;
        EXPECT_NE(image.pixel(52, 55), Color::clear()) << stroke;
    }

    // Outside the image every pixel reads clear.
    image.clear(Color::white());
    for (const auto& [x, y] : {std::pair{-1, 1}, {60, 0}, {0, 60}, {0, -1}})
        EXPECT_EQ(image.pixel(x, y), Color::clear());
}

TEST(Context, SaveAndRestoreStateAndAnUnmatchedRestore) {
    ImageSurface image(40, 40);
    Context& context = image.context();
    context.setFillColor(Color::red());
    context.setLineWidth(3);
    context.saveState();
    context.setFillColor(Color::green());
    context.setLineWidth(7);
    context.translate(20, 0);
    context.restoreState();
    EXPECT_EQ(context.fillColor(), Color::red());
    EXPECT_EQ(context.lineWidth(), 3);

    context.restoreState();  // nothing saved: ignored, drawing still works
    context.fillRect(Rect::make(0, 0, 10, 10));
    EXPECT_EQ(image.pixel(5, 5), Color::red());
}

TEST(Context, TransformsAndClip) {
    ImageSurface image(100, 100);
    Context& context = image.context();
    context.setFillColor(Color::black());
    context.saveState();
    context.translate(50, 50);
    context.rotate(M_PI / 2);  // x now points down the screen
    context.fillRect(Rect::make(10, -2, 20, 4));
    context.restoreState();
    EXPECT_EQ(image.pixel(50, 70), Color::black());
    EXPECT_EQ(image.pixel(70, 50), Color::clear());

    context.clipToRect(Rect::make(0, 0, 10, 10));
    context.fillRect(Rect::make(0, 0, 100, 20));
    EXPECT_EQ(image.pixel(5, 5), Color::black());
    EXPECT_EQ(image.pixel(15, 5), Color::clear());
}

TEST(Context, ArcsAndPathValues) {
    ImageSurface image(100, 100);
    Context& context = image.context();
    context.setFillColor(Color::magenta());
    context.addPath(Path::arc({50, 50}, 20, 0, 2 * M_PI, true));
    context.fillPath();
    EXPECT_EQ(image.pixel(50, 50), Color::magenta());
    EXPECT_EQ(image.pixel(50, 32), Color::magenta());
    EXPECT_EQ(image.pixel(34, 34), Color::clear());  // outside the circle, inside its box

    // A half circle clockwise from 0 to pi covers the lower half on screen.
    context.setFillColor(Color::cyan());
    context.addArc({50, 50}, 40, 0, M_PI, true);
    context.fillPath();
    EXPECT_EQ(image.pixel(50, 80), Color::cyan());
    EXPECT_EQ(image.pixel(50, 20), Color::clear());
    // Counter-clockwise over the same angles, it covers the upper half.
    context.setFillColor(Color::green());
    context.addArc({50, 50}, 40, 0, M_PI, false);
    context.fillPath();
    EXPECT_EQ(image.pixel(50, 20), Color::green());
    EXPECT_EQ(image.pixel(50, 80), Color::cyan());

    // A rectangle path covers all four corners.
    Path rectangle;
    rectangle.addRect(Rect::make(2, 2, 20, 10));
    context.setFillColor(Color::red());
    context.addPath(rectangle);
    context.fillPath();
    for (const auto& [x, y] : {std::pair{3, 3}, {20, 3}, {20, 10}, {3, 10}}) EXPECT_EQ(image.pixel(x, y), Color::red());
    // Stroked, it is drawn all round, its left side too.
    context.setStrokeColor(Color::black());
    context.setLineWidth(2);
    context.addPath(rectangle);
    context.strokePath();
    EXPECT_EQ(image.pixel(2, 6), Color::black());
    EXPECT_EQ(image.pixel(21, 6), Color::black());

    // A closed path is stroked back to its start: the left side of this
    // rectangle, left open, is drawn by the close.
    Path open;
    open.moveTo({60, 10});
    open.addLineTo({90, 10});
    open.addLineTo({90, 30});
    open.addLineTo({60, 30});
    open.close();
    context.setStrokeColor(Color::blue());
    context.setLineWidth(2);
    context.addPath(open);
    context.strokePath();
    EXPECT_EQ(image.pixel(60, 20), Color::blue());
}

TEST(ImageSurface, ScaleAndPng) {
    ImageSurface image(30, 20, 2.0);
    EXPECT_EQ(image.pixelWidth(), 60);
    EXPECT_EQ(image.pixelHeight(), 40);
    image.context().setFillColor(Color::rgba(1, 0, 0, 0.5));
    image.context().fillRect(Rect::make(0, 0, 1, 1));
    Color half = image.pixel(1, 1);
    EXPECT_NEAR(half.a, 0.5, 0.01);
    EXPECT_NEAR(half.r, 1.0, 0.01);
    EXPECT_EQ(image.pixel(2, 2), Color::clear());
    EXPECT_EQ(image.pixel(-1, 0), Color::clear());

    EXPECT_TRUE(image.writePng(testing::outputPath("gfx_surface.png")));
    // Clearing replaces what was drawn, with a see-through colour too.
    image.clear(Color::rgba(0, 0, 1, 0.25));
    EXPECT_NEAR(image.pixel(1, 1).a, 0.25, 0.01);
    EXPECT_NEAR(image.pixel(1, 1).r, 0.0, 0.01);
    EXPECT_FALSE(image.writePng("/nonexistent-directory/x.png"));
    ImageSurface empty(0, -5);
    EXPECT_EQ(empty.pixelWidth(), 1);
    // A scale that is no positive number counts as one pixel per point.
    for (const double scale : {0.0, -2.0, std::nan("")}) EXPECT_EQ(ImageSurface(30, 20, scale).pixelWidth(), 30);
}

// An image frees its pixels when it goes, drawn on or not: nothing it made
// keeps them alive (a window makes a new one at each change of scale).
TEST(ImageSurface, FreesItsPixelsWhenItGoes) {
    static const cairo_user_data_key_t key{};
    for (const bool drawn : {false, true}) {
        int freed = 0;
        {
            ImageSurface image(30, 20, 2.0);
            cairo_surface_set_user_data(image.cairoSurface(), &key, &freed, [](void* count) {
                ++*static_cast<int*>(count);
            });
            if (drawn) image.context().fillRect(Rect::make(0, 0, 10, 10));
        }
        EXPECT_EQ(freed, 1) << drawn;
    }
}

}  // namespace
}  // namespace gfx

#pragma once
// Gallery pictures drawn through the renderer: a layout alone on a picture
// that fits it, layouts side by side, and the lines of one worked step fitted into a band (a phone's
// step band with its comment above it, for whole worked solutions). Each
// picture is checked against the box it was measured or fitted to fill, then
// saved under gallery/.

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "gallery/Gallery.h"
#include "layout/drawing/TextDrawing.h"
#include "linear_steps/WorkedSteps.h"
#include "platform/gfx/Context.h"
#include "renderer/LayoutInterpreter.h"
#include "renderer/StepLines.h"

namespace duolinear::gallery {

// The renderer sets a bracket's cap height on the top of what it encloses, so
// the round top of "(" rises a little above the measured box; the bracket font
// follows the enclosed height, and so does this allowance (a share of the
// box's height).
inline constexpr double kBracketRise = 0.06;

// How a layout is drawn alone.
struct LayoutPictureStyle {
    double margin = 20;       // blank points around the measured box
    double rise = 0;          // how far ink may rise above the box, as a share of its height
    bool mustDraw = false;    // a picture without ink fails
    bool outlineBox = false;  // the box outlined faintly (the ink check ignores so light a colour)
};

// Draws the layout's root alone at the given size, medium weight, on a
// scratch picture whose blank margin is as wide and as high as the measured
// box itself (at least 20 points), so that ink drawn even a whole box away
// shows; checks that there is ink when `mustDraw` and that all of it stays in
// the box (ink may rise `rise` × the box's height above it, and pass each
// edge by one point for antialiasing).
inline void expectInkInItsBox(const TagLayout& layout, double size, double rise, bool mustDraw,
                              const std::string& what) {
    const gfx::FontWeight weight = gfx::FontWeight::medium();
    const std::string root = std::to_string(layoutRootIndex(layout));
    const LayoutSize box = measureLayout(layout, root, size, weight);
    const double mx = std::max(20.0, box.width), my = std::max(20.0, box.height);
    auto scratch = blankPicture(box.width + 2 * mx, box.height + 2 * my, 1.0);
    {
        gfx::DrawingScope scope(scratch->context());
        drawLayout(layout, root, mx, my + box.ascent, size, weight);
    }
    if (mustDraw) {
        EXPECT_TRUE(inkOnWhite(*scratch).any) << what << " draws nothing";
    }
    const double up = rise * box.height;
    EXPECT_TRUE(inkWithin(*scratch, gfx::Rect::make(mx, my - up, box.width, box.height + up))) << what;
}

// Outlines a measured box faintly (the ink checks ignore so light a colour).
inline void outlineFaintly(gfx::Context& context, gfx::Rect box) {
    context.setStrokeColor(gfx::Color{0.93, 0.93, 1.0, 1.0});
    context.setLineWidth(0.5);
    context.strokeRect(box);
}

// Draws the layout's root at 30 points, medium weight, on a white picture with
// the style's margin around its measured box and writes it as
// gallery/FILENAME; checks that all ink stays in the box.
inline void drawLayoutPicture(const TagLayout& layout, const std::string& fileName,
                              const LayoutPictureStyle& style = {}) {
    constexpr double kSize = 30;
    const gfx::FontWeight weight = gfx::FontWeight::medium();
    const std::string root = std::to_string(layoutRootIndex(layout));
    const LayoutSize size = measureLayout(layout, root, kSize, weight);
    ASSERT_GT(size.width, 0) << fileName;
    expectInkInItsBox(layout, kSize, style.rise, style.mustDraw, fileName);
    const double m = style.margin;
    auto image = blankPicture(size.width + 2 * m, size.height + 2 * m);
    {
        gfx::DrawingScope scope(image->context());
        drawLayout(layout, root, m, m + size.ascent, kSize, weight);
    }
    if (style.outlineBox) outlineFaintly(image->context(), gfx::Rect::make(m, m, size.width, size.height));
    savePicture(*image, fileName);
}

// Draws the layouts side by side on one baseline at the given size into
// gallery/NAME.png, each measured box outlined faintly; each one must draw,
// and keep all its ink in its box.
inline void drawLayoutsInARow(const std::string& name, const Layouts& layouts, double size = 30) {
    constexpr double kMargin = 20;
    const gfx::FontWeight weight = gfx::FontWeight::medium();
    std::vector<LayoutSize> sizes;
    double width = kMargin, ascent = 0, descent = 0;
    for (const TagLayout& layout : layouts) {
        sizes.push_back(measureLayout(layout, std::to_string(layoutRootIndex(layout)), size, weight));
        ASSERT_GT(sizes.back().width, 0) << name;
        width += sizes.back().width + kMargin;
        ascent = std::max(ascent, sizes.back().ascent);
        descent = std::max(descent, sizes.back().descent());
        expectInkInItsBox(layout, size, 0, true, name + " sample " + std::to_string(sizes.size() - 1));
    }
    const double baseline = kMargin + ascent;
    auto image = blankPicture(width, baseline + descent + kMargin);
    {
        gfx::DrawingScope scope(image->context());
        double x = kMargin;
        for (std::size_t i = 0; i < layouts.size(); ++i) {
            outlineFaintly(image->context(),
                           gfx::Rect::make(x, baseline - sizes[i].ascent, sizes[i].width, sizes[i].height));
            drawLayout(layouts[i], std::to_string(layoutRootIndex(layouts[i])), x, baseline, size, weight);
            x += sizes[i].width + kMargin;
        }
    }
    savePicture(*image, name + ".png");
}

// Draws one step's lines at the given sizes into `band` on a white picture
// that reaches `margin` points past the band's right and bottom edges, and
// checks that no ink leaves the band by more than `slack` points.
inline std::unique_ptr<gfx::ImageSurface> drawStepInBand(const StepLines& lines, const LineFontSizes& sizes,
                                                         gfx::Rect band, double margin, double slack,
                                                         const std::string& what) {
    auto image = blankPicture(band.maxX() + margin, band.maxY() + margin);
    {
        gfx::DrawingScope scope(image->context());
        drawStepLines(lines, sizes, band.minX(), band.minY());
    }
    EXPECT_TRUE(inkWithin(*image, band, slack)) << what;
    return image;
}

// Draws every step of a worked solution into a phone's step band, its comment
// above it, one picture per step: gallery/STEM-<step>.png. Each line must fit
// the band's width at the size fitted to it.
inline void drawStepsInPhoneBand(const WorkedSteps& worked, const std::string& stem) {
    constexpr double kMargin = 10, kCommentHeight = 30, kBandWidth = 380, kBandHeight = 586, kBaseSize = 30;
    const gfx::FontWeight weight = gfx::FontWeight::medium();
    const gfx::Rect band = gfx::Rect::make(kMargin, kMargin + kCommentHeight, kBandWidth, kBandHeight);
    for (std::size_t i = 0; i < worked.steps.size(); ++i) {
        const StepLines& lines = worked.steps[i];
        const std::string what = stem + " step " + std::to_string(i);
        const LineFontSizes sizes = fitLineFontSizes(lines, band.width(), band.height(), kBaseSize, weight);
        ASSERT_EQ(sizes.size(), lines.size()) << what;
        for (std::size_t k = 0; k < lines.size(); ++k) {
            EXPECT_LE(measureLayout(lines[k], lineRootIndex(lines[k]), sizes[k].fitted, weight).width, band.width())
                << what << " line " << k;
        }
        auto image = drawStepInBand(lines, sizes, band, kMargin, 1.0, what);
        {
            gfx::DrawingScope scope(image->context());
            drawTextRows(worked.comments[i], true, gfx::Color::black(), gfx::Color::clear(), kMargin, kMargin,
                         kBandWidth, kCommentHeight, kBaseSize * 0.7, weight);
        }
        savePicture(*image, stem + "-" + std::to_string(i) + ".png");
    }
}

}  // namespace duolinear::gallery

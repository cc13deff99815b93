#pragma once
// Helpers for the renderer's tests: fonts as the interpreter makes them, and
// layouts drawn into an image.

#include <cmath>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "layout/Common.h"
#include "renderer/LayoutInterpreter.h"
#include "support/LayoutDump.h"
#include "support/Pixels.h"

namespace duolinear::testing {

inline const gfx::FontWeight kMedium = gfx::FontWeight::medium();

inline gfx::Font digitFont(double size, gfx::FontWeight weight = kMedium) {
    return gfx::Font::monospacedDigitSystem(size, weight);
}

inline double widthOf(const std::string& text, const gfx::Font& font) {
    return gfx::measureText(text, {font}).width;
}

inline LayoutSize measureRoot(const TagLayout& layout, double size = 30) {
    return measureLayout(layout, std::to_string(layoutRootIndex(layout)), size, kMedium);
}

// An image with the layout's root drawn at size 30, left edge x, baseline y.
inline std::unique_ptr<gfx::ImageSurface> render(const TagLayout& layout, double x = 20, double y = 80) {
    auto image = std::make_unique<gfx::ImageSurface>(400, 160);
    gfx::DrawingScope scope(image->context());
    drawLayout(layout, std::to_string(layoutRootIndex(layout)), x, y, 30, kMedium);
    return image;
}

// The layout's root measures the given size at size 30 (each value to 1e-9).
inline void expectMeasures(const TagLayout& layout, LayoutSize size, const std::string& what) {
    const LayoutSize measured = measureRoot(layout);
    EXPECT_NEAR(measured.width, size.width, 1e-9) << what;
    EXPECT_NEAR(measured.height, size.height, 1e-9) << what;
    EXPECT_NEAR(measured.ascent, size.ascent, 1e-9) << what;
}

// The layout measures nothing and draws nothing, as a malformed item must.
inline void expectStandsForNothing(const TagLayout& layout, const std::string& what) {
    EXPECT_EQ(measureRoot(layout), LayoutSize{}) << what;
    EXPECT_FALSE(gfx::testing::inkBounds(*render(layout)).any) << what;
}

using gfx::testing::inkWhere;

inline gfx::testing::InkBounds redInk(const gfx::ImageSurface& image) {
    return inkWhere(image, [&](int x, int y) {
        auto c = image.pixel(x, y);
        return c.a > 0.5 && c.r > 0.6 && c.b < 0.4;
    });
}

inline gfx::testing::InkBounds blueInk(const gfx::ImageSurface& image) {
    return inkWhere(image, [&](int x, int y) {
        auto c = image.pixel(x, y);
        return c.a > 0.5 && c.b > 0.6 && c.r < 0.4;
    });
}

// Ink bounds in points of the pixels of one colour; an empty rect when none.
inline gfx::Rect inkIn(const gfx::ImageSurface& image, gfx::Color color) {
    const gfx::testing::InkBounds b = inkWhere(image, [&](int px, int py) {
        const gfx::Color c = image.pixel(px, py);
        return c.a > 0.5 && std::abs(c.r - color.r) + std::abs(c.g - color.g) + std::abs(c.b - color.b) < 0.3;
    });
    if (!b.any) return {};
    const double s = image.scale();
    return gfx::Rect::make(b.minX / s, b.minY / s, (b.maxX + 1 - b.minX) / s, (b.maxY + 1 - b.minY) / s);
}

// Left, top, right and bottom of a box, each within a tolerance.
inline void expectBox(gfx::Rect box, double left, double top, double right, double bottom, double near,
                      const char* what) {
    EXPECT_NEAR(box.origin.x, left, near) << what << " left";
    EXPECT_NEAR(box.origin.y, top, near) << what << " top";
    EXPECT_NEAR(box.origin.x + box.size.width, right, near) << what << " right";
    EXPECT_NEAR(box.origin.y + box.size.height, bottom, near) << what << " bottom";
}

// Where two images of one size differ; none when they are the same.
inline gfx::testing::InkBounds differences(const gfx::ImageSurface& a, const gfx::ImageSurface& b) {
    return inkWhere(a, [&](int x, int y) { return !(a.pixel(x, y) == b.pixel(x, y)); });
}

}  // namespace duolinear::testing

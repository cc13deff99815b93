#pragma once
// Drawing the strategy pictures onto a transparent canvas at one pixel per
// point and reading colours back at points.

#include <cmath>
#include <cstring>
#include <functional>

#include <gtest/gtest.h>

#include "platform/gfx/ImageSurface.h"
#include "platform/gfx/Text.h"
#include "support/Pixels.h"

namespace duolinear::testing {

class Canvas {
public:
    Canvas(double width, double height) : image_(width, height, 1.0) {}

    void draw(const std::function<void(gfx::Context&)>& drawing) {
        gfx::DrawingScope scope(image_.context());
        drawing(image_.context());
    }

    gfx::Color at(double x, double y) const { return image_.pixel(int(std::floor(x)), int(std::floor(y))); }
    bool blank(double x, double y) const { return at(x, y).a < 0.1; }
    // Colour within the rounding of 8-bit channels.
    bool is(double x, double y, gfx::Color c) const {
        const gfx::Color p = at(x, y);
        const double e = 2.5 / 255.0;
        return std::abs(p.r - c.r) <= e && std::abs(p.g - c.g) <= e && std::abs(p.b - c.b) <= e && p.a > 0.99;
    }

    // The leftmost and rightmost columns, within rows top to bottom, holding
    // a pixel that the predicate picks (max < min when none does).
    struct Span {
        int min = 1 << 30;
        int max = -1;
        int width() const { return max + 1 - min; }
        double middle() const { return (min + max + 1) / 2.0; }
    };
    Span span(int top, int bottom, const std::function<bool(gfx::Color)>& picked) const {
        Span s;
        gfx::testing::forEachPixel(image_, {.minY = top, .maxY = bottom}, [&](int x, int y) {
            if (picked(image_.pixel(x, y))) s.min = std::min(s.min, x), s.max = std::max(s.max, x);
        });
        return s;
    }
    bool empty() const {
        return span(0, image_.pixelHeight(), [](gfx::Color c) { return c.a > 0.1; }).max < 0;
    }

    bool samePixels(const Canvas& other) const {
        const std::size_t bytes = static_cast<std::size_t>(image_.stride()) * image_.pixelHeight();
        return image_.stride() == other.image_.stride() && image_.pixelHeight() == other.image_.pixelHeight() &&
               std::memcmp(image_.data(), other.image_.data(), bytes) == 0;
    }

private:
    gfx::ImageSurface image_;
};

// The caption size fitted to the probe text, and its line height, found
// independently of the pictures.
struct ProbeCaption {
    double size = 40;
    double lineHeight = 0;
};
inline ProbeCaption probeCaption(double width) {
    ProbeCaption caption;
    auto measure = [&] {
        return gfx::measureText("double 66 plus 99", {gfx::Font::system(caption.size, gfx::FontWeight::medium())});
    };
    while (measure().width > width) caption.size *= 0.95;
    caption.lineHeight = measure().height;
    return caption;
}

}  // namespace duolinear::testing

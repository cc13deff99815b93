#pragma once
// Reading what a test drew: which pixels of an image (or of a PNG file) pass a
// test, where they lie and how many there are. Pixels are addressed in image
// pixels, not points; colours are unpremultiplied.

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <string>

#include <cairo.h>

#include "platform/gfx/ImageSurface.h"

namespace gfx {

// Readable colours in test failures.
inline void PrintTo(const Color& c, std::ostream* out) {
    *out << "rgba(" << c.r << ", " << c.g << ", " << c.b << ", " << c.a << ")";
}

}  // namespace gfx

namespace gfx::testing {

// Pixel bounds (inclusive) of the pixels found; any is false when none is.
struct InkBounds {
    bool any = false;
    int minX = 0;
    int minY = 0;
    int maxX = 0;
    int maxY = 0;
};

// A pixel rectangle [minX, maxX) × [minY, maxY); the default is everything.
struct PixelRegion {
    int minX = 0;
    int minY = 0;
    int maxX = 1 << 30;
    int maxY = 1 << 30;
};

// Calls visit(x, y) for every pixel of the region that lies in the image.
template <typename Visit>
void forEachPixel(const ImageSurface& image, PixelRegion region, Visit visit) {
    for (int y = std::max(region.minY, 0); y < std::min(region.maxY, image.pixelHeight()); ++y) {
        for (int x = std::max(region.minX, 0); x < std::min(region.maxX, image.pixelWidth()); ++x) visit(x, y);
    }
}

// The bounds of the pixels for which keep(x, y) holds.
template <typename Keep>
InkBounds inkWhere(const ImageSurface& image, Keep keep) {
    InkBounds b;
    forEachPixel(image, {}, [&](int x, int y) {
        if (!keep(x, y)) return;
        b = b.any ? InkBounds{true, std::min(b.minX, x), std::min(b.minY, y), std::max(b.maxX, x), std::max(b.maxY, y)}
                  : InkBounds{true, x, y, x, y};
    });
    return b;
}

// How many pixels of the region have a colour for which keep(colour) holds.
template <typename Keep>
int countWhere(const ImageSurface& image, Keep keep, PixelRegion region = {}) {
    int count = 0;
    forEachPixel(image, region, [&](int x, int y) { count += keep(image.pixel(x, y)) ? 1 : 0; });
    return count;
}

// The bounds of the pixels that are at least half opaque.
inline InkBounds inkBounds(const ImageSurface& image) {
    return inkWhere(image, [&](int x, int y) { return image.pixel(x, y).a >= 0.5; });
}

// A visible pixel that is clearly not grey.
inline bool isColoured(Color c) {
    return c.a > 0.5 && std::max({c.r, c.g, c.b}) - std::min({c.r, c.g, c.b}) > 0.25;
}

// A visible pixel that is not (nearly) white.
inline bool isInkOnWhite(Color c) {
    return c.a > 0.5 && (c.r < 0.9 || c.g < 0.9 || c.b < 0.9);
}

// The share of the image's pixels that are not (nearly) white.
inline double inkedShare(const ImageSurface& image) {
    return static_cast<double>(countWhere(image, isInkOnWhite)) /
           (static_cast<double>(image.pixelWidth()) * image.pixelHeight());
}

// The same share for a PNG file; -1 when it cannot be read.
inline double inkedShareOfPng(const std::string& path) {
    cairo_surface_t* png = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(png) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(png);
        return -1.0;
    }
    const int width = cairo_image_surface_get_width(png);
    const int height = cairo_image_surface_get_height(png);
    ImageSurface image(width, height);
    cairo_t* cr = cairo_create(image.cairoSurface());
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, png, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_destroy(png);
    return inkedShare(image);
}

}  // namespace gfx::testing

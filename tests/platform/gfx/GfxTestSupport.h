#pragma once
// Helpers for tests that draw: where test images go, and where the ink is.

#include <algorithm>
#include <cstdlib>
#include <ostream>
#include <string>

#include "platform/gfx/ImageSurface.h"

namespace gfx {

// Readable colours in test failures.
inline void PrintTo(const Color& c, std::ostream* out) {
    *out << "rgba(" << c.r << ", " << c.g << ", " << c.b << ", " << c.a << ")";
}

}  // namespace gfx

namespace gfx::testing {

// A path for a test image in $DUOLINEAR_TEST_OUTPUT (or /tmp).
inline std::string outputPath(const std::string& name) {
    const char* dir = std::getenv("DUOLINEAR_TEST_OUTPUT");
    std::string base = dir != nullptr && *dir != '\0' ? dir : "/tmp";
    return base + "/" + name;
}

// Pixel bounds (inclusive) of the pixels that are at least half opaque.
struct InkBounds {
    bool any = false;
    int minX = 0;
    int minY = 0;
    int maxX = 0;
    int maxY = 0;
};

inline InkBounds inkBounds(const ImageSurface& image) {
    InkBounds bounds;
    for (int y = 0; y < image.pixelHeight(); ++y) {
        for (int x = 0; x < image.pixelWidth(); ++x) {
            if (image.pixel(x, y).a < 0.5) continue;
            if (!bounds.any) bounds = {true, x, y, x, y};
            bounds.minX = std::min(bounds.minX, x);
            bounds.minY = std::min(bounds.minY, y);
            bounds.maxX = std::max(bounds.maxX, x);
            bounds.maxY = std::max(bounds.maxY, y);
        }
    }
    return bounds;
}

// A visible pixel that is clearly not grey.
inline bool isColoured(Color c) {
    return c.a > 0.5 && std::max({c.r, c.g, c.b}) - std::min({c.r, c.g, c.b}) > 0.25;
}

}  // namespace gfx::testing

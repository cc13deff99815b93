#pragma once
// Helpers for the tests of the UI layer: view trees made in one line, where
// test images go, and how much of an image is drawn on.

#include <cstdlib>
#include <memory>
#include <string>

#include "platform/gfx/ImageSurface.h"
#include "platform/ui/View.h"

namespace ui::testing {

// A subview placed by constraints, added to `parent`.
template <typename T = View>
std::shared_ptr<T> addConstrained(View& parent) {
    auto view = std::make_shared<T>();
    view->setTranslatesAutoresizingMaskIntoConstraints(false);
    parent.addSubview(view);
    return view;
}

// A path for a test image in $DUOLINEAR_TEST_OUTPUT (or /tmp).
inline std::string outputPath(const std::string& name) {
    const char* folder = std::getenv("DUOLINEAR_TEST_OUTPUT");
    return std::string(folder != nullptr && *folder != '\0' ? folder : "/tmp") + "/" + name;
}

// The share of pixels that are not (nearly) white.
inline double inkedShare(const gfx::ImageSurface& image) {
    long inked = 0;
    for (int y = 0; y < image.pixelHeight(); ++y) {
        for (int x = 0; x < image.pixelWidth(); ++x) {
            const gfx::Color c = image.pixel(x, y);
            if (c.a > 0.5 && (c.r < 0.9 || c.g < 0.9 || c.b < 0.9)) ++inked;
        }
    }
    return static_cast<double>(inked) / (static_cast<double>(image.pixelWidth()) * image.pixelHeight());
}

}  // namespace ui::testing

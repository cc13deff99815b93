#pragma once
// The gallery: pictures of what no screen shows (number cells, plug-ins,
// strategy pictures, factored polynomials, quadratic worked solutions), drawn
// through the real renderer into PNGs under gallery/ beside the test binary, so
// that a person can look at them. Each picture is also checked: no ink may
// fall outside the box its item was measured to fill, and the picture must
// match its reviewed reference (ReferenceImages.h). RendererPictures.h draws
// layouts and worked steps with these.

#include <filesystem>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "gallery/ReferenceImages.h"
#include "platform/gfx/GfxTestSupport.h"
#include "platform/gfx/ImageSurface.h"

namespace duolinear::gallery {

// gallery/NAME beside the running test binary; the folder is made on demand.
inline std::filesystem::path galleryPath(const std::string& name) {
    const std::filesystem::path folder = std::filesystem::read_symlink("/proc/self/exe").parent_path() / "gallery";
    std::filesystem::create_directories(folder);
    return folder / name;
}

// A white picture of the given size in points, drawn at 2x so that it reads
// well when opened.
inline std::unique_ptr<gfx::ImageSurface> blankPicture(double width, double height, double scale = 2.0) {
    auto image = std::make_unique<gfx::ImageSurface>(width, height, scale);
    image->clear(gfx::Color{1, 1, 1, 1});
    return image;
}

// Writes the picture as gallery/NAME (a .png name) and compares it with its
// reference; fails the test when it cannot be written or does not match.
inline void savePicture(const gfx::ImageSurface& image, const std::string& name) {
    const std::filesystem::path written = galleryPath(name);
    ASSERT_TRUE(image.writePng(written.string())) << "could not write " << written;
    const std::filesystem::path diff = galleryPath(written.stem().string() + "-diff.png");
    EXPECT_TRUE(matchesReference(image, name, written, diff));
}

// Pixel bounds of the ink (any pixel that is not near white) of a picture
// that started white.
inline gfx::testing::InkBounds inkOnWhite(const gfx::ImageSurface& image) {
    return gfx::testing::inkWhere(image, [&](int x, int y) { return gfx::testing::isInkOnWhite(image.pixel(x, y)); });
}

// True when all ink of the picture lies within the box (in points), allowing
// `slack` points for antialiasing at its edges.
inline ::testing::AssertionResult inkWithin(const gfx::ImageSurface& image, gfx::Rect box, double slack = 1.0) {
    const gfx::testing::InkBounds ink = inkOnWhite(image);
    if (!ink.any) return ::testing::AssertionSuccess();
    const double s = image.scale();
    const bool inside = ink.minX >= (box.origin.x - slack) * s && ink.minY >= (box.origin.y - slack) * s &&
                        ink.maxX < (box.origin.x + box.size.width + slack) * s &&
                        ink.maxY < (box.origin.y + box.size.height + slack) * s;
    if (inside) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "ink spans pixels (" << ink.minX << ", " << ink.minY << ")–(" << ink.maxX
                                         << ", " << ink.maxY << ") at scale " << s << ", box is (" << box.origin.x
                                         << ", " << box.origin.y << ") " << box.size.width << "×" << box.size.height
                                         << " points";
}

}  // namespace duolinear::gallery

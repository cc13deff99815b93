#pragma once
// An off-screen ARGB32 image of a size in points at a scale factor (pixels per
// point), with a context that draws on it in points, written to PNG.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/gfx/Color.h"
#include "platform/gfx/Context.h"
#include "platform/gfx/Geometry.h"

typedef struct _cairo_surface cairo_surface_t;

namespace gfx {

class ImageSurface {
public:
    // Starts fully transparent. Sizes below one pixel are made one pixel.
    ImageSurface(double widthPoints, double heightPoints, double scale = 1.0);
    ~ImageSurface();
    ImageSurface(const ImageSurface&) = delete;
    ImageSurface& operator=(const ImageSurface&) = delete;

    Size size() const { return size_; }  // in points
    double scale() const { return scale_; }
    int pixelWidth() const;
    int pixelHeight() const;

    Context& context() { return *context_; }

    // Fills the whole image with a colour (replacing what was there).
    void clear(Color color);

    // The colour of one pixel, unpremultiplied; clear outside the image.
    Color pixel(int x, int y) const;

    // Returns false when the file cannot be written.
    bool writePng(const std::string& path) const;

    // Raw access for hosts: premultiplied native-endian ARGB32 rows.
    const std::uint8_t* data() const;
    int stride() const;
    cairo_surface_t* cairoSurface() const { return surface_; }

private:
    Size size_;
    double scale_;
    cairo_surface_t* surface_;
    std::unique_ptr<Context> context_;
};

}  // namespace gfx

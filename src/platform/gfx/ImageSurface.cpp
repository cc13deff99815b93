#include "platform/gfx/ImageSurface.h"

#include <algorithm>
#include <cmath>

#include <cairo.h>

namespace gfx {

namespace {

int pixels(double points, double scale) {
    double value = std::ceil(points * scale);
    if (!std::isfinite(value) || value < 1.0) return 1;
    return static_cast<int>(std::min(value, 32767.0));  // cairo's largest image side
}

}  // namespace

ImageSurface::ImageSurface(double widthPoints, double heightPoints, double scale)
    : size_{widthPoints, heightPoints},
      scale_(std::isfinite(scale) && scale > 0.0 ? scale : 1.0),
      surface_(
          cairo_image_surface_create(CAIRO_FORMAT_ARGB32, pixels(widthPoints, scale_), pixels(heightPoints, scale_))) {
    cairo_t* cairo = cairo_create(surface_);
    cairo_scale(cairo, scale_, scale_);
    context_ = std::make_unique<Context>(cairo);
    cairo_destroy(cairo);  // the context keeps its own reference
}

ImageSurface::~ImageSurface() {
    context_.reset();
    cairo_surface_destroy(surface_);
}

int ImageSurface::pixelWidth() const {
    return cairo_image_surface_get_width(surface_);
}

int ImageSurface::pixelHeight() const {
    return cairo_image_surface_get_height(surface_);
}

void ImageSurface::clear(Color color) {
    cairo_t* cairo = cairo_create(surface_);
    cairo_set_operator(cairo, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_rgba(cairo, color.r, color.g, color.b, color.a);
    cairo_paint(cairo);
    cairo_destroy(cairo);
}

Color ImageSurface::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= pixelWidth() || y >= pixelHeight()) return Color::clear();
    cairo_surface_flush(surface_);
    const unsigned char* row = cairo_image_surface_get_data(surface_) + static_cast<std::ptrdiff_t>(y) * stride();
    std::uint32_t value = reinterpret_cast<const std::uint32_t*>(row)[x];
    double a = ((value >> 24) & 0xFF) / 255.0;
    if (a == 0.0) return Color::clear();
    auto channel = [&](int shift) { return std::min(1.0, ((value >> shift) & 0xFF) / 255.0 / a); };
    return Color::rgba(channel(16), channel(8), channel(0), a);
}

bool ImageSurface::writePng(const std::string& path) const {
    cairo_surface_flush(surface_);
    return cairo_surface_write_to_png(surface_, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

const std::uint8_t* ImageSurface::data() const {
    cairo_surface_flush(surface_);
    return cairo_image_surface_get_data(surface_);
}

int ImageSurface::stride() const {
    return cairo_image_surface_get_stride(surface_);
}

}  // namespace gfx

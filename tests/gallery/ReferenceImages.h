#pragma once
// The gallery's reviewed reference pictures: every picture the gallery draws
// is compared with the PNG of the same name under tests/gallery/reference/,
// which a person looked at before it was committed. A picture matches its
// reference when both have the same size and at most kMostDifferentPixels of
// its pixels differ from the reference's by more than kChannelTolerance in
// some channel: antialiasing may wobble a little, a moved, missing, cut or
// recoloured text may not. A mismatch fails with the paths of the new
// picture, of the reference and of a difference image (gallery/NAME-diff.png:
// the reference faded to grey, the differing pixels in red).
//
// With DUOLINEAR_GALLERY_UPDATE=1 in the environment each picture that does
// not match its reference (or has none) is written over it instead, after a
// deliberate change of the drawings; scripts/gallery-references.sh does that
// for the whole gallery.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include <cairo.h>
#include <gtest/gtest.h>

#include "platform/gfx/ImageSurface.h"

#ifndef DUOLINEAR_GALLERY_REFERENCES
#error "DUOLINEAR_GALLERY_REFERENCES names the folder of the reference pictures"
#endif

namespace duolinear::gallery {

// How far (of 255) a channel may stray before its pixel counts as different;
// the faint outline of a measured box (238, 238, 255 on white) stays visible.
inline constexpr int kChannelTolerance = 12;
// How many pixels may differ before the picture counts as changed.
inline constexpr int kMostDifferentPixels = 20;

// Premultiplied native-endian ARGB32 pixel rows, as cairo keeps them; in
// opaque rows (RGB24) the alpha byte is unused and reads as opaque.
struct PixelRows {
    const std::uint8_t* data = nullptr;
    int stride = 0;
    int width = 0;
    int height = 0;
    bool opaque = false;

    std::uint32_t at(int x, int y) const {
        const std::uint32_t value =
            reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride)[x];
        return opaque ? value | 0xFF000000u : value;
    }
};

inline PixelRows pixelRows(const gfx::ImageSurface& image) {
    return {image.data(), image.stride(), image.pixelWidth(), image.pixelHeight()};
}

// Where two pictures of the same size differ: the count of differing pixels
// and the pixel bounds (inclusive) of all of them.
struct ImageDifference {
    bool sameSize = false;
    int count = 0;
    int minX = 0;
    int minY = 0;
    int maxX = -1;
    int maxY = -1;
};

inline bool pixelsDiffer(std::uint32_t a, std::uint32_t b, int tolerance) {
    for (int shift = 0; shift < 32; shift += 8) {
        const int da = static_cast<int>((a >> shift) & 0xFF);
        const int db = static_cast<int>((b >> shift) & 0xFF);
        if (std::abs(da - db) > tolerance) return true;
    }
    return false;
}

inline ImageDifference compareImages(const PixelRows& picture, const PixelRows& reference,
                                     int tolerance = kChannelTolerance) {
    ImageDifference d;
    d.sameSize = picture.width == reference.width && picture.height == reference.height;
    if (!d.sameSize) return d;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            if (!pixelsDiffer(picture.at(x, y), reference.at(x, y), tolerance)) continue;
            d.minX = d.count == 0 ? x : std::min(d.minX, x);
            d.minY = d.count == 0 ? y : std::min(d.minY, y);
            d.maxX = std::max(d.maxX, x);
            d.maxY = std::max(d.maxY, y);
            ++d.count;
        }
    }
    return d;
}

// A PNG read into an ARGB32 cairo image; empty when it cannot be read.
class PngImage {
public:
    explicit PngImage(const std::string& path)
        : surface_(cairo_image_surface_create_from_png(path.c_str()), cairo_surface_destroy) {
        if (cairo_surface_status(surface_.get()) != CAIRO_STATUS_SUCCESS) {
            surface_.reset();
            return;
        }
        cairo_surface_flush(surface_.get());
        // cairo writes an opaque picture without alpha, and reads it back as RGB24.
        const cairo_format_t format = cairo_image_surface_get_format(surface_.get());
        if (format != CAIRO_FORMAT_ARGB32 && format != CAIRO_FORMAT_RGB24) surface_.reset();
        opaque_ = format == CAIRO_FORMAT_RGB24;
    }

    explicit operator bool() const { return surface_ != nullptr; }

    PixelRows rows() const {
        return {cairo_image_surface_get_data(surface_.get()), cairo_image_surface_get_stride(surface_.get()),
                cairo_image_surface_get_width(surface_.get()), cairo_image_surface_get_height(surface_.get()), opaque_};
    }

private:
    std::unique_ptr<cairo_surface_t, void (*)(cairo_surface_t*)> surface_;
    bool opaque_ = false;
};

// The reference faded to grey with the pixels that differ from the picture
// in red, written as a PNG; false when it cannot be written.
inline bool writeDifferenceImage(const PixelRows& picture, const PixelRows& reference, const std::string& path) {
    cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, reference.width, reference.height);
    cairo_surface_flush(out);
    std::uint8_t* data = cairo_image_surface_get_data(out);
    const int stride = cairo_image_surface_get_stride(out);
    for (int y = 0; y < reference.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < reference.width; ++x) {
            const std::uint32_t r = reference.at(x, y);
            if (pixelsDiffer(picture.at(x, y), r, kChannelTolerance)) {
                row[x] = 0xFFFF0000u;
                continue;
            }
            // Grey of the reference's brightness on white, a quarter as dark.
            const std::uint32_t sum = ((r >> 16) & 0xFF) + ((r >> 8) & 0xFF) + (r & 0xFF) + 3 * (255 - (r >> 24));
            const std::uint32_t grey = 255 - (255 - sum / 3) / 4;
            row[x] = 0xFF000000u | grey << 16 | grey << 8 | grey;
        }
    }
    cairo_surface_mark_dirty(out);
    const bool written = cairo_surface_write_to_png(out, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(out);
    return written;
}

inline std::filesystem::path referencePath(const std::string& name) {
    return std::filesystem::path(DUOLINEAR_GALLERY_REFERENCES) / name;
}

inline bool updatingReferences() {
    const char* update = std::getenv("DUOLINEAR_GALLERY_UPDATE");
    return update != nullptr && std::string(update) == "1";
}

// Compares the picture, already written at `written`, with its reference
// (or replaces the reference when updating); `diffPath` is where a
// difference image goes.
inline ::testing::AssertionResult matchesReference(const gfx::ImageSurface& image, const std::string& name,
                                                   const std::filesystem::path& written,
                                                   const std::filesystem::path& diffPath) {
    const std::filesystem::path reference = referencePath(name);
    std::filesystem::remove(diffPath);
    const PngImage expected(reference.string());
    const PixelRows drawn = pixelRows(image);
    if (updatingReferences()) {
        // A reference the picture still matches is kept as it is.
        if (expected) {
            const ImageDifference d = compareImages(drawn, expected.rows());
            if (d.sameSize && d.count <= kMostDifferentPixels) return ::testing::AssertionSuccess();
        }
        if (image.writePng(reference.string())) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "could not write the reference " << reference;
    }
    if (!expected) {
        return ::testing::AssertionFailure()
               << "no reference picture " << reference << " for " << written
               << "; look at the picture, then run scripts/gallery-references.sh to keep it";
    }
    const ImageDifference d = compareImages(drawn, expected.rows());
    if (!d.sameSize) {
        return ::testing::AssertionFailure()
               << "the picture " << written << " is " << drawn.width << "×" << drawn.height << " pixels, its reference "
               << reference << " is " << expected.rows().width << "×" << expected.rows().height;
    }
    if (d.count <= kMostDifferentPixels) return ::testing::AssertionSuccess();
    const bool diffWritten = writeDifferenceImage(drawn, expected.rows(), diffPath.string());
    return ::testing::AssertionFailure() << "the picture " << written << " differs from its reference " << reference
                                         << " in " << d.count << " pixels within (" << d.minX << ", " << d.minY << ")–("
                                         << d.maxX << ", " << d.maxY << "); difference image: "
                                         << (diffWritten ? diffPath.string() : "(could not be written)");
}

}  // namespace duolinear::gallery

// The gallery's own checks: ink inside a box passes, ink past its edge fails;
// a picture matches a reference that differs only by antialiasing, and not
// one with a moved, recoloured or missing mark or of another size.

#include "gallery/Gallery.h"

namespace duolinear::gallery {
namespace {

std::unique_ptr<gfx::ImageSurface> rectanglePicture(gfx::Rect rect, gfx::Color color, double width = 100) {
    auto image = blankPicture(width, 60);
    gfx::DrawingScope scope(image->context());
    image->context().setFillColor(color);
    image->context().fillRect(rect);
    return image;
}

TEST(Gallery, InkOutsideTheMeasuredBoxIsCaught) {
    auto image = rectanglePicture(gfx::Rect::make(10, 10, 30, 20), gfx::Color::black());
    EXPECT_TRUE(inkWithin(*image, gfx::Rect::make(10, 10, 30, 20)));
    EXPECT_FALSE(inkWithin(*image, gfx::Rect::make(10, 10, 25, 20)));
    EXPECT_FALSE(inkWithin(*image, gfx::Rect::make(12, 10, 30, 20)));
    savePicture(*image, "gallery-check.png");
}

TEST(Gallery, AChangedPictureDiffersFromItsReference) {
    const gfx::Rect rect = gfx::Rect::make(10.25, 10, 30, 20);
    const auto reference = rectanglePicture(rect, gfx::Color::black());
    const PixelRows expected = pixelRows(*reference);
    EXPECT_EQ(compareImages(pixelRows(*reference), expected).count, 0);
    // A hundredth of a point shifts only the antialiasing of two edges.
    const auto nudged = rectanglePicture(gfx::Rect::make(10.26, 10, 30, 20), gfx::Color::black());
    EXPECT_EQ(compareImages(pixelRows(*nudged), expected).count, 0);
    // Half a point moves a whole column of pixels on each side.
    const auto moved = rectanglePicture(gfx::Rect::make(10.75, 10, 30, 20), gfx::Color::black());
    const ImageDifference d = compareImages(pixelRows(*moved), expected);
    EXPECT_GT(d.count, kMostDifferentPixels);
    EXPECT_EQ(d.minY, 20);
    EXPECT_EQ(d.maxY, 59);
    const auto recoloured = rectanglePicture(rect, gfx::Color::blue());
    EXPECT_EQ(compareImages(pixelRows(*recoloured), expected).count, 61 * 40);  // pixels 20–80 across, 20–59 down
    const auto faint = rectanglePicture(rect, gfx::Color{0.93, 0.93, 1.0, 1.0});
    EXPECT_GT(compareImages(pixelRows(*faint), pixelRows(*blankPicture(100, 60))).count, kMostDifferentPixels);
    const auto wider = rectanglePicture(rect, gfx::Color::black(), 101);
    EXPECT_FALSE(compareImages(pixelRows(*wider), expected).sameSize);
}

TEST(Gallery, AMismatchNamesBothPicturesAndWritesTheirDifference) {
    if (updatingReferences()) GTEST_SKIP() << "references are being written";
    const auto picture = rectanglePicture(gfx::Rect::make(12, 10, 30, 20), gfx::Color::black());
    const std::filesystem::path written = galleryPath("gallery-check-mismatch.png");
    const std::filesystem::path diff = galleryPath("gallery-check-mismatch-diff.png");
    ASSERT_TRUE(picture->writePng(written.string()));
    // The reference is the rectangle of the first test, two points to the left.
    const ::testing::AssertionResult result = matchesReference(*picture, "gallery-check.png", written, diff);
    ASSERT_FALSE(result);
    const std::string message = result.message();
    EXPECT_NE(message.find(written.string()), std::string::npos) << message;
    EXPECT_NE(message.find(referencePath("gallery-check.png").string()), std::string::npos) << message;
    EXPECT_NE(message.find(diff.string()), std::string::npos) << message;
    EXPECT_TRUE(std::filesystem::exists(diff));
}

}  // namespace
}  // namespace duolinear::gallery

// The gallery's own check: ink inside a box passes, ink past its edge fails.

#include "gallery/Gallery.h"

namespace duolinear::gallery {
namespace {

TEST(Gallery, InkOutsideTheMeasuredBoxIsCaught) {
    auto image = blankPicture(100, 60);
    {
        gfx::DrawingScope scope(image->context());
        image->context().setFillColor(gfx::Color{0, 0, 0, 1});
        image->context().fillRect(gfx::Rect::make(10, 10, 30, 20));
    }
    EXPECT_TRUE(inkWithin(*image, gfx::Rect::make(10, 10, 30, 20)));
    EXPECT_FALSE(inkWithin(*image, gfx::Rect::make(10, 10, 25, 20)));
    EXPECT_FALSE(inkWithin(*image, gfx::Rect::make(12, 10, 30, 20)));
    savePicture(*image, "gallery-check.png");
    EXPECT_TRUE(std::filesystem::exists(galleryPath("gallery-check.png")));
}

}  // namespace
}  // namespace duolinear::gallery

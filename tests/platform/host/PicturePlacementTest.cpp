// The app's picture in a window of any size: one scale for both directions,
// centred, and points of the window mapped back onto the picture.

#include <gtest/gtest.h>

#include "platform/host/PicturePlacement.h"

namespace host {
namespace {

TEST(PicturePlacement, ScalesEvenlyAndCentres) {
    const gfx::Size phone{390, 844};
    struct Case {
        const char* what;
        gfx::Size window;
        gfx::Rect placed;
    };
    const Case cases[] = {
        {"the picture's own size", {390, 844}, gfx::Rect::make(0, 0, 390, 844)},
        {"doubled pixels", {780, 1688}, gfx::Rect::make(0, 0, 780, 1688)},
        {"wider: bands left and right", {1000, 844}, gfx::Rect::make(305, 0, 390, 844)},
        {"taller: bands above and below", {390, 1000}, gfx::Rect::make(0, 78, 390, 844)},
        {"smaller and wider", {400, 422}, gfx::Rect::make(102.5, 0, 195, 422)},
        {"no height", {390, 0}, gfx::Rect{}},
        {"negative width", {-5, 844}, gfx::Rect{}},
    };
    for (const Case& c : cases) {
        const gfx::Rect placed = placedPicture(c.window, phone);
        EXPECT_EQ(placed, c.placed) << c.what;
        if (placed.isEmpty()) continue;
        // Never distorted: the placed rectangle has the picture's shape, and
        // it touches two opposite edges of the window.
        EXPECT_DOUBLE_EQ(placed.width() * phone.height, placed.height() * phone.width) << c.what;
        EXPECT_TRUE(placed.width() == c.window.width || placed.height() == c.window.height) << c.what;
    }
    EXPECT_EQ(placedPicture({390, 844}, {0, 844}), gfx::Rect{});
}

TEST(PicturePlacement, MapsWindowPointsBackOntoThePicture) {
    const gfx::Size phone{390, 844};
    const gfx::Rect placed = placedPicture({1000, 844}, phone);
    EXPECT_EQ(pointInPicture({305, 0}, placed, phone), (gfx::Point{0, 0}));
    EXPECT_EQ(pointInPicture({500, 422}, placed, phone), (gfx::Point{195, 422}));
    // In the band beside the picture: outside it, so nothing is touched.
    EXPECT_LT(pointInPicture({100, 422}, placed, phone).x, 0.0);
    const gfx::Rect half = placedPicture({400, 422}, phone);
    EXPECT_EQ(pointInPicture({102.5 + 97.5, 211}, half, phone), (gfx::Point{195, 422}));
    for (const gfx::Rect& flat : {gfx::Rect{}, gfx::Rect::make(0, 0, 0, 100), gfx::Rect::make(0, 0, 100, 0)}) {
        EXPECT_EQ(pointInPicture({10, 10}, flat, phone), (gfx::Point{}));
    }
}

}  // namespace
}  // namespace host

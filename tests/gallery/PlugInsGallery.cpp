// Box grids, box tables, prime trees and a prime factorisation drawn through
// the renderer, one picture each, every one inside its measured box.

#include "gallery/Gallery.h"
#include "layout_extensions/BoxRecords.h"
#include "layout_extensions/PrimeFactorization.h"
#include "renderer/LayoutInterpreter.h"

namespace duolinear::gallery {
namespace {

constexpr double kSize = 30, kMargin = 20;
const gfx::FontWeight kWeight = gfx::FontWeight::medium();

// Writes NAME.png with the layout's measured box outlined faintly (the ink
// check ignores so light a colour) and checks that all ink stays in the box.
void draw(const std::string& name, const TagLayout& layout) {
    const std::string root = std::to_string(layoutRootIndex(layout));
    const LayoutSize size = measureLayout(layout, root, kSize, kWeight);
    ASSERT_GT(size.width, 0) << name;
    auto image = blankPicture(size.width + 2 * kMargin, size.height + 2 * kMargin);
    const gfx::Rect box = gfx::Rect::make(kMargin, kMargin, size.width, size.height);
    gfx::DrawingScope scope(image->context());
    drawLayout(layout, root, kMargin, kMargin + size.ascent, kSize, kWeight);
    EXPECT_TRUE(inkOnWhite(*image).any) << name << " draws nothing";
    EXPECT_TRUE(inkWithin(*image, box)) << name;
    image->context().setStrokeColor(gfx::Color{0.93, 0.93, 1.0, 1.0});
    image->context().setLineWidth(0.5);
    image->context().strokeRect(box);
    savePicture(*image, name + ".png");
}

// (a x + b)(c x + d): labels in red and blue, the corner (a 0) clear.
TagLayout productGrid(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d) {
    const auto t = [](std::int64_t k, std::uint64_t e) { return Monomial{Rational{k, 1}, e, 'x'}; };
    const Color r = Color::red, u = Color::blue, k = Color::black;
    return boxGridLayout(
        {t(0, 0), t(a, 1), t(b, 0), t(c, 1), t(a * c, 2), t(b * c, 1), t(d, 0), t(a * d, 1), t(b * d, 0)},
        {Color::clear, r, r, u, k, k, u, k, k}, "anon");
}

TEST(PlugInsGallery, BoxGridsTablesAndPrimeTrees) {
    draw("box-grid", productGrid(2, 3, 1, 5));
    draw("box-grid-negative", productGrid(1, -4, 1, 7));
    draw("box-table",
         boxTableLayout(2, 3, {1, 22, 333, 4, 55, 6},
                        {Color::blue, Color::red, Color::black, Color::blue, Color::red, Color::black}, "anon"));
    for (std::int64_t n : {60, 97, 1024}) {
        draw("prime-tree-" + std::to_string(n),
             primeTreeLayout("anon", primeTreePairs(n, *primeFactorization(n), true)));
    }
    draw("prime-factorization-360", alternatingFactorizationLayout(*primeFactorization(360), Color::red, Color::blue));
}

}  // namespace
}  // namespace duolinear::gallery

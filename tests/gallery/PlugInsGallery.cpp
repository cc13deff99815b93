// Box grids, box tables, prime trees and a prime factorisation drawn through
// the renderer, one picture each, every one inside its measured box.

#include "gallery/RendererPictures.h"
#include "layout_extensions/BoxRecords.h"
#include "layout_extensions/PrimeFactorization.h"

namespace duolinear::gallery {
namespace {

// Writes NAME.png with the layout's measured box outlined faintly; the layout
// must draw, and all its ink must stay in the box.
void draw(const std::string& name, const TagLayout& layout) {
    drawLayoutPicture(layout, name + ".png", {.margin = 20, .mustDraw = true, .outlineBox = true});
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

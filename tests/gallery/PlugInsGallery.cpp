// Box grids, box tables, prime trees and a prime factorisation drawn through
// the renderer: each sample inside the box it was measured to fill.

#include <algorithm>
#include <string>
#include <vector>

#include "gallery/Gallery.h"
#include "layout_extensions/BoxRecords.h"
#include "layout_extensions/PlugInRecords.h"
#include "layout_extensions/PrimeFactorization.h"
#include "renderer/LayoutInterpreter.h"

namespace duolinear::gallery {
namespace {

constexpr double kSize = 30;
constexpr double kMargin = 20;
const gfx::FontWeight kWeight = gfx::FontWeight::medium();

std::string root(const TagLayout& layout) {
    return std::to_string(layoutRootIndex(layout));
}

// Draws the samples side by side on one baseline into NAME.png, each also on
// its own to check that its ink stays in its measured box.
void drawSamples(const std::string& name, const std::vector<TagLayout>& samples) {
    std::vector<LayoutSize> sizes;
    double width = kMargin, ascent = 0, descent = 0;
    for (const TagLayout& sample : samples) {
        sizes.push_back(measureLayout(sample, root(sample), kSize, kWeight));
        ASSERT_GT(sizes.back().width, 0) << name;
        width += sizes.back().width + kMargin;
        ascent = std::max(ascent, sizes.back().ascent);
        descent = std::max(descent, sizes.back().descent());
    }
    const double baseline = kMargin + ascent;
    auto image = blankPicture(width, baseline + descent + kMargin);
    {
        gfx::DrawingScope scope(image->context());
        double x = kMargin;
        for (std::size_t i = 0; i < samples.size(); ++i) {
            image->context().setStrokeColor(gfx::Color{0.93, 0.93, 1.0, 1.0});
            image->context().setLineWidth(0.5);
            image->context().strokeRect(
                gfx::Rect::make(x, baseline - sizes[i].ascent, sizes[i].width, sizes[i].height));
            drawLayout(samples[i], root(samples[i]), x, baseline, kSize, kWeight);
            x += sizes[i].width + kMargin;
        }
    }
    savePicture(*image, name + ".png");
    for (std::size_t i = 0; i < samples.size(); ++i) {
        auto alone = blankPicture(sizes[i].width + 2 * kMargin, sizes[i].height + 2 * kMargin);
        gfx::DrawingScope scope(alone->context());
        drawLayout(samples[i], root(samples[i]), kMargin, kMargin + sizes[i].ascent, kSize, kWeight);
        EXPECT_TRUE(inkOnWhite(*alone).any) << name << " sample " << i << " draws nothing";
        EXPECT_TRUE(inkWithin(*alone, gfx::Rect::make(kMargin, kMargin, sizes[i].width, sizes[i].height)))
            << name << " sample " << i;
    }
}

Monomial term(std::int64_t coefficient, std::uint64_t exponent) {
    return Monomial{Rational{coefficient, 1}, exponent, 'x'};
}

// (a x + b)(c x + d) as a box grid: labels in red and blue, the corner clear.
TagLayout productGrid(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d) {
    const Color r = Color::red, u = Color::blue, k = Color::black;
    return boxGridLayout({term(0, 0), term(a, 1), term(b, 0), term(c, 1), term(a * c, 2), term(b * c, 1), term(d, 0),
                          term(a * d, 1), term(b * d, 0)},
                         {Color::clear, r, r, u, k, k, u, k, k}, "anon");
}

TagLayout tree(std::int64_t n) {
    return primeTreeLayout("anon", primeTreePairs(n, *primeFactorization(n), true));
}

TEST(PlugInsGallery, BoxGridsTablesAndPrimeTrees) {
    drawSamples("box-grid", {productGrid(2, 3, 1, 5), productGrid(1, -4, 1, 7)});
    const std::vector<Color> six(6, Color::black);
    const std::vector<Color> nine{Color::black, Color::black, Color::black, Color::black, Color::red,
                                  Color::black, Color::black, Color::black, Color::blue};
    drawSamples("box-table", {boxTableLayout(2, 3, {1, 22, 333, 4, 55, 6}, six, "anon"),
                              boxTableLayout(3, 3, {1, 2, 3, 2, 4, 6, 3, 6, 9}, nine, "anon")});
    drawSamples("prime-trees", {tree(60), tree(97), tree(1024)});
    drawSamples("prime-factorization",
                {alternatingFactorizationLayout(*primeFactorization(360), Color::red, Color::blue)});
}

}  // namespace
}  // namespace duolinear::gallery

#include "linear_problems/DiagonalFractionLine.h"

#include "layout/drawing/BaseFontSize.h"

namespace duolinear {

namespace {

// The family that the fraction runs are drawn in, found once: installed
// fonts do not change while the program runs.
const gfx::Font& fractionFace() {
    static const gfx::Font face = [] {
        const gfx::Font inter = gfx::Font::named("Inter", 12.0);
        return inter.matchedName() ? inter : gfx::Font::system(12.0);
    }();
    return face;
}

}  // namespace

gfx::Font diagonalFractionFont() {
    return fractionFace().withSize(baseFontSize()).withFeature("frac", 1);
}

gfx::AttributedText fractionDisplayLine(const DisplaySegments& segments,
                                        std::initializer_list<std::size_t> fractionSegments) {
    std::string text;
    for (const std::string& segment : segments) text += segment;
    gfx::AttributedText line(std::move(text));
    const gfx::Font font = diagonalFractionFont();
    for (std::size_t k : fractionSegments) {
        if (k >= segments.size()) continue;
        std::size_t start = 0;
        for (std::size_t i = 0; i < k; ++i) start += gfx::utf16Length(segments[i]);
        line.addFont({start, gfx::utf16Length(segments[k])}, font);
    }
    return line;
}

}  // namespace duolinear

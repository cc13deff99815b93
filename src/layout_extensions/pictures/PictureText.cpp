#include "layout_extensions/pictures/PictureText.h"

#include <cmath>

#include "platform/gfx/Text.h"

namespace duolinear {

namespace {

// The widest caption the pictures are sized for.
constexpr const char* kCaptionProbe = "double 66 plus 99";
constexpr double kCaptionStartSize = 40.0;
// A shrunk bottom caption may fill this share of the width.
constexpr double kBottomCaptionWidthShare = 0.95;

// Asking fontconfig is slow, and every box face asks: the match is made once.
const gfx::Font& chalkBaseFont() {
    static const gfx::Font font = [] {
        gfx::Font named = gfx::Font::named(kChalkFontFamily, 1.0);
        return named.matchedName() ? named : gfx::Font::system(1.0);
    }();
    return font;
}

void drawCentredOn(gfx::Context& context, const std::string& text, const gfx::TextAttributes& attributes, double width,
                   double centreY) {
    const gfx::Size size = gfx::measureText(text, attributes);
    gfx::drawText(context, text, {(width - size.width) / 2.0, centreY - size.height / 2.0}, attributes);
}

}  // namespace

gfx::Font chalkFont(double size) {
    return chalkBaseFont().withSize(size);
}

gfx::Font captionFont(double size) {
    return gfx::Font::system(size, gfx::FontWeight::medium());
}

double shrunkFontSize(const std::string& text, const gfx::Font& font, double widthLimit) {
    double size = font.pointSize();
    while (gfx::measureText(text, {font.withSize(size)}).width > widthLimit) {
        const double next = size * kPictureShrinkFactor;
        if (!(next >= kSmallestPictureFontSize)) break;
        size = next;
    }
    return size;
}

CaptionSizing captionSizing(double width) {
    const double size = shrunkFontSize(kCaptionProbe, captionFont(kCaptionStartSize), width);
    return {size, gfx::measureText(kCaptionProbe, {captionFont(size)}).height};
}

std::optional<PictureArea> uprightArea(double width, double height) {
    if (!std::isfinite(width) || !std::isfinite(height) || width <= 0.0 || height <= 0.0) return std::nullopt;
    if (height < width) return PictureArea{height, width};
    return PictureArea{width, height};
}

void drawPictureCaptions(gfx::Context& context, const PictureCaptions& captions, const CaptionSizing& sizing,
                         const PictureArea& area, bool shrinkBottom) {
    const gfx::TextAttributes top{captionFont(sizing.fontSize)};
    drawCentredOn(context, captions.top, top, area.width, 0.75 * sizing.lineHeight);

    gfx::TextAttributes bottom = top;
    if (shrinkBottom) {
        bottom.font = captionFont(shrunkFontSize(captions.bottom, bottom.font, kBottomCaptionWidthShare * area.width));
    }
    drawCentredOn(context, captions.bottom, bottom, area.width, area.height - 0.75 * sizing.lineHeight);
}

}  // namespace duolinear

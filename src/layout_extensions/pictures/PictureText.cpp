#include "layout_extensions/pictures/PictureText.h"

#include <cmath>

#include "layout/drawing/TextDrawing.h"
#include "platform/gfx/Text.h"

namespace duolinear {

namespace {

// The widest caption the pictures are sized for.
constexpr const char* kCaptionProbe = "double 66 plus 99";
constexpr double kCaptionStartSize = 40.0;
// A shrunk caption may fill this share of the width.
constexpr double kCaptionWidthShare = 0.95;

// Asking fontconfig is slow, and every box face asks: the match is made once.
const gfx::Font& chalkBaseFont() {
    static const gfx::Font font = [] {
        gfx::Font named = gfx::Font::named(kChalkFontFamily, 1.0);
        return named.matchedName() ? named : gfx::Font::system(1.0);
    }();
    return font;
}

// The caption centred across the width on the height, in the font shrunk until
// the caption fills no more than its share of the width.
void drawCaption(gfx::Context& context, const std::string& text, const gfx::Font& font, double width, double centreY) {
    const gfx::TextAttributes attributes{captionFont(shrunkFontSize(text, font, kCaptionWidthShare * width))};
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
                         const PictureArea& area) {
    const gfx::Font font = captionFont(sizing.fontSize);
    drawCaption(context, captions.top, font, area.width, 0.75 * sizing.lineHeight);
    drawCaption(context, captions.bottom, font, area.width, area.height - 0.75 * sizing.lineHeight);
}

}  // namespace duolinear

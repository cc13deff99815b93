#include "layout_extensions/PlugInDrawingSupport.h"

#include <algorithm>
#include <optional>

#include "algebra/TextFunctions.h"
#include "layout/Enumerations.h"
#include "layout/drawing/ColorMapping.h"
#include "layout_extensions/RotatedText.h"

namespace duolinear {

namespace {

constexpr double kSmallestGap = 10.0;
constexpr double kGapShare = 0.2;  // of S

}  // namespace

gfx::Font plugInFont(double size) {
    return gfx::Font::monospacedDigitSystem(size, gfx::FontWeight::medium());
}

double plugInGap(double size) {
    return std::max(kGapShare * size, kSmallestGap);
}

double widthIn(const gfx::Font& font, const std::string& text) {
    return gfx::measureText(text, gfx::TextAttributes{font}).width;
}

std::int64_t plugInCharacterCount(std::string_view text) {
    return textLengths(text, "").first;
}

gfx::Color plugInTextColor(std::string_view colorName) {
    return uiColor(colorFromRawValue(colorName).value_or(Color::black));
}

gfx::Color plugInBackgroundColor(std::string_view colorName) {
    const std::optional<Color> color = colorFromRawValue(colorName);
    return color ? uiColor(*color) : gfx::Color::clear();
}

double placeValueLabelBand(const gfx::Font& labelFont, std::int64_t columns) {
    const gfx::Size label = gfx::measureText(powerOfTenText(columns - 1).value_or(""), {labelFont});
    return std::max(label.width, label.height);
}

void drawPlaceValueLabels(std::int64_t columns, const gfx::TextAttributes& attributes, double firstAnchorX,
                          double pitch, double anchorY, double angle) {
    for (std::int64_t i = 0; i < columns; ++i) {
        const std::optional<std::string> label = powerOfTenText(columns - 1 - i);
        if (!label) continue;
        drawRotatedText(*label, attributes, firstAnchorX + static_cast<double>(i) * pitch, anchorY, angle);
    }
}

}  // namespace duolinear

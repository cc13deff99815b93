#include "layout/drawing/TextDrawing.h"

#include "platform/gfx/Path.h"

namespace duolinear {

namespace {

// The fitting measures in a lighter weight than most drawing uses.
constexpr gfx::FontWeight kFittingWeight{0.25};

}  // namespace

FittedFontSize fittingFontSize(const std::vector<std::string>& strings, const gfx::TextAttributes& attributes,
                               double width, double height) {
    std::string widest;
    std::string tallest;
    gfx::Size widestSize;
    gfx::Size tallestSize;
    for (const std::string& string : strings) {
        gfx::Size size = gfx::measureText(string, attributes);
        if (size.width > widestSize.width) {
            widest = string;
            widestSize = size;
        }
        if (size.height > tallestSize.height) {
            tallest = string;
            tallestSize = size;
        }
    }

    const double count = static_cast<double>(strings.size());
    gfx::TextAttributes trial = attributes;
    double size = attributes.font.pointSize();
    while (true) {
        trial.font = gfx::Font::system(size, kFittingWeight);
        double w = gfx::measureText(widest, trial).width;
        double h = gfx::measureText(tallest, trial).height;
        if (w <= width && h * count <= height) return {size, true};
        double next = size * kFittingShrinkFactor;
        // Written so that a size that is not a number stops too.
        if (!(next >= kSmallestFittingFontSize)) return {size, false};
        size = next;
    }
}

double shrunkFontSize(const std::string& text, const gfx::Font& font, double width) {
    double size = font.pointSize();
    while (gfx::measureText(text, {font.withSize(size)}).width > width) {
        const double next = size * kFittingShrinkFactor;
        // Written so that a size that is not a number stops too.
        if (!(next >= kSmallestFittingFontSize)) break;
        size = next;
    }
    return size;
}

gfx::Rect drawTextInRoom(const std::string& text, gfx::Point topLeft, const gfx::TextAttributes& attributes,
                         double room, TextAnchor anchor) {
    const gfx::Size full = gfx::measureText(text, attributes);
    if (full.width <= room) {
        gfx::drawText(text, topLeft, attributes);
        return {topLeft, full};
    }
    gfx::TextAttributes smaller = attributes;
    smaller.font = attributes.font.withSize(shrunkFontSize(text, attributes.font, room));
    const gfx::Size size = gfx::measureText(text, smaller);
    const double share = anchor == TextAnchor::left ? 0.0 : anchor == TextAnchor::centre ? 0.5 : 1.0;
    const gfx::Point at{topLeft.x + share * (full.width - size.width), topLeft.y + 0.5 * (full.height - size.height)};
    gfx::drawText(text, at, smaller);
    return {at, size};
}

FittedFontSize smallestFittingFontSize(const std::vector<std::vector<std::string>>& groups,
                                       const gfx::TextAttributes& attributes, double width, double height) {
    FittedFontSize result{attributes.font.pointSize(), true};
    for (const std::vector<std::string>& group : groups) {
        FittedFontSize fitted = fittingFontSize(group, attributes, width, height);
        if (fitted.size < result.size) result.size = fitted.size;
        result.fits = result.fits && fitted.fits;
    }
    return result;
}

void drawTextRows(const std::vector<std::string>& rows, bool centred, gfx::Color textColor, gfx::Color backgroundColor,
                  double x, double y, double width, double height, double fontSize, gfx::FontWeight weight) {
    gfx::TextAttributes attributes{gfx::Font::system(fontSize, weight), textColor, backgroundColor};
    double size = fittingFontSize(rows, attributes, width, height).size;
    attributes.font = gfx::Font::system(size, weight);

    const double lineHeight = attributes.font.metrics().lineHeight;
    double cursor = y;
    for (const std::string& row : rows) {
        double left = x;
        if (centred) left = x + width * 0.5 - gfx::measureText(row, attributes).width * 0.5;
        gfx::drawText(row, {left, cursor}, attributes);
        cursor += lineHeight;
    }
}

void drawLine(gfx::Context& context, gfx::Color color, gfx::Point from, gfx::Point to, double width) {
    gfx::Path path;
    path.moveTo(from);
    path.addLineTo(to);
    context.addPath(path);
    context.setStrokeColor(color);
    context.setFillColor(color);
    context.setLineWidth(width);
    context.drawPath(gfx::PathDrawingMode::fillStroke);
}

}  // namespace duolinear

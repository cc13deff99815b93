#include "guides/TextFlow.h"

#include <utility>

#include "platform/gfx/Text.h"

namespace duolinear::guides {

namespace {

constexpr double kLeading = 1.18;  // line height as a share of the font's own

TextLook makeLook(gfx::Font font, gfx::Color color, double spaceAfter, double indent, bool centred) {
    const double lineHeight = font.metrics().lineHeight * kLeading;
    return {std::move(font), color, lineHeight, spaceAfter, indent, centred};
}

double textWidth(const std::string& text, const gfx::Font& font) {
    return gfx::measureText(text, gfx::TextAttributes{font}).width;
}

std::vector<std::string> splitAt(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : text) {
        if (c == separator) {
            parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    parts.push_back(part);
    return parts;
}

}  // namespace

TextLook textLook(TextStyle style) {
    const gfx::Color ink = gfx::Color::rgba(0.1, 0.1, 0.12);
    const gfx::Color grey = gfx::Color::rgba(0.42, 0.42, 0.45);
    switch (style) {
        case TextStyle::subheading:
            return makeLook(gfx::Font::system(15.0, gfx::FontWeight::bold()), gfx::Color::rgba(0.1, 0.25, 0.55), 5.0,
                            0.0, false);
        case TextStyle::body:
            return makeLook(gfx::Font::system(12.0), ink, 6.0, 0.0, false);
        case TextStyle::item:
            return makeLook(gfx::Font::system(12.0), ink, 3.0, 16.0, false);
        case TextStyle::note:
            return makeLook(gfx::Font::system(10.0), grey, 4.0, 0.0, false);
        case TextStyle::caption:
            return makeLook(gfx::Font::system(10.0), grey, 2.0, 0.0, true);
    }
    return makeLook(gfx::Font::system(12.0), ink, 6.0, 0.0, false);
}

WrappedText wrapText(const std::string& text, const gfx::Font& font, double width) {
    WrappedText wrapped;
    for (const std::string& paragraph : splitAt(text, '\n')) {
        std::string line;
        for (const std::string& word : splitAt(paragraph, ' ')) {
            if (word.empty()) continue;
            const std::string longer = line.empty() ? word : line + " " + word;
            if (line.empty() || textWidth(longer, font) <= width) {
                line = longer;
            } else {
                wrapped.lines.push_back(line);
                line = word;
            }
            if (textWidth(line, font) > width) wrapped.fits = false;
        }
        wrapped.lines.push_back(line);
    }
    return wrapped;
}

double textBlockHeight(const TextBlock& block, double width) {
    const TextLook look = textLook(block.style);
    const WrappedText wrapped = wrapText(block.text, look.font, width - look.indent);
    return static_cast<double>(wrapped.lines.size()) * look.lineHeight + look.spaceAfter;
}

bool textBlockFits(const TextBlock& block, double width) {
    const TextLook look = textLook(block.style);
    return wrapText(block.text, look.font, width - look.indent).fits;
}

bool drawTextBlock(const TextBlock& block, double x, double y, double width) {
    const TextLook look = textLook(block.style);
    const gfx::TextAttributes attributes{look.font, look.color};
    const WrappedText wrapped = wrapText(block.text, look.font, width - look.indent);
    if (!block.label.empty()) gfx::drawText(block.label, {x, y}, attributes);
    double top = y;
    for (const std::string& line : wrapped.lines) {
        double left = x + look.indent;
        if (look.centred) left = x + (width - textWidth(line, look.font)) * 0.5;
        gfx::drawText(line, {left, top}, attributes);
        top += look.lineHeight;
    }
    return wrapped.fits;
}

std::string unbroken(const std::string& text) {
    std::string result;
    for (char c : text) {
        if (c == ' ')
            result += "\u00A0";
        else
            result += c;
    }
    return result;
}

}  // namespace duolinear::guides

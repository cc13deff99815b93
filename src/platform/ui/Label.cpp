#include "platform/ui/Label.h"

#include <algorithm>

#include "platform/gfx/Text.h"

namespace ui {

namespace {

// A text is never shrunk below this fraction of its size.
constexpr double smallestScale = 0.05;

}  // namespace

Label::Label() {
    setUserInteractionEnabled(false);
}

void Label::setText(std::string text) {
    if (content_.spans().empty() && content_.text() == text) return;
    content_ = gfx::AttributedText(std::move(text));
    contentChanged();
}

void Label::setAttributedText(gfx::AttributedText text) {
    if (text == content_) return;
    content_ = std::move(text);
    contentChanged();
}

void Label::setFont(gfx::Font font) {
    if (font == font_) return;
    font_ = std::move(font);
    contentChanged();
}

void Label::setTextColor(gfx::Color color) {
    textColor_ = color;
    setNeedsDisplay();
}

void Label::setTextAlignment(TextAlignment alignment) {
    alignment_ = alignment;
    setNeedsDisplay();
}

void Label::setAdjustsFontSizeToFitWidth(bool adjusts) {
    adjustsFontSizeToFitWidth_ = adjusts;
    setNeedsDisplay();
}

void Label::setBaselineAdjustment(BaselineAdjustment adjustment) {
    baselineAdjustment_ = adjustment;
    setNeedsDisplay();
}

void Label::contentChanged() {
    invalidateIntrinsicContentSize();
    setNeedsDisplay();
}

gfx::AttributedText Label::scaledContent(double scale) const {
    if (scale == 1.0) return content_;
    gfx::AttributedText scaled(content_.text());
    for (const gfx::TextSpan& span : content_.spans()) {
        if (span.font) scaled.addFont(span.range, span.font->withSize(span.font->pointSize() * scale));
        if (span.foreground) scaled.addForegroundColor(span.range, *span.foreground);
        if (span.background) scaled.addBackgroundColor(span.range, *span.background);
    }
    return scaled;
}

gfx::Size Label::measure(double scale) const {
    gfx::TextAttributes defaults;
    defaults.font = font_.withSize(font_.pointSize() * scale);
    return gfx::measureText(scaledContent(scale), defaults);
}

double Label::fontScale() const {
    const double width = bounds().width();
    if (!adjustsFontSizeToFitWidth_ || content_.text().empty()) return 1.0;
    const double full = measure(1.0).width;
    if (full <= width) return 1.0;
    if (width <= 0.0) return smallestScale;
    // Text width grows almost in proportion to the font size; a few rounds
    // make up for what is not proportional.
    double scale = width / full;
    for (int round = 0; round < 6 && scale > smallestScale; ++round) {
        const double measured = measure(scale).width;
        if (measured <= width) break;
        scale *= width / measured * 0.999;
    }
    return std::max(scale, smallestScale);
}

gfx::Rect Label::textRect() const {
    const gfx::Rect area = bounds();
    const double scale = fontScale();
    const gfx::Size full = measure(1.0);
    const gfx::Size size = scale == 1.0 ? full : measure(scale);

    double x = 0.0;
    switch (alignment_) {
        case TextAlignment::left:
            x = 0.0;
            break;
        case TextAlignment::center:
            x = (area.width() - size.width) / 2.0;
            break;
        case TextAlignment::right:
            x = area.width() - size.width;
            break;
    }

    double y = (area.height() - size.height) / 2.0;
    if (scale != 1.0 && baselineAdjustment_ == BaselineAdjustment::alignBaselines) {
        // The shrunk text keeps the baseline that the full-size text had.
        const gfx::Font first = content_.fontAt(0).value_or(font_);
        const double ascender = first.metrics().ascender;
        const double baseline = (area.height() - full.height) / 2.0 + ascender;
        y = baseline - ascender * scale;
    }
    return gfx::Rect::make(x, y, size.width, size.height);
}

void Label::draw(gfx::Rect) {
    if (content_.text().empty()) return;
    const double scale = fontScale();
    gfx::TextAttributes defaults;
    defaults.font = font_.withSize(font_.pointSize() * scale);
    defaults.foreground = textColor_;
    gfx::drawText(scaledContent(scale), textRect().origin, defaults);
}

std::optional<gfx::Size> Label::intrinsicContentSize() const {
    return measure(1.0);
}

std::string Label::debugDescription() const {
    return View::debugDescription() + " \"" + content_.text() + "\"";
}

}  // namespace ui

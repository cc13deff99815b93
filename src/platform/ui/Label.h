#pragma once
// One line of text, plain or attributed, in a font and colour, aligned in the
// label's bounds and centred vertically. A label that adjusts its font size to
// fit the width shrinks a text too wide for it (never wrapping it); its
// baseline adjustment says where the shrunk text stands: on the baseline the
// text had at full size, or centred.
//
// Labels take no touches: a tap on a label lands on whatever lies beneath it.

#include <string>

#include "platform/gfx/AttributedText.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Font.h"
#include "platform/ui/View.h"

namespace ui {

enum class TextAlignment { left, center, right };
enum class BaselineAdjustment { alignBaselines, alignCenters };

class Label : public View {
public:
    Label();

    // The plain text; setting it drops the attributes of an attributed text.
    const std::string& text() const { return content_.text(); }
    void setText(std::string text);
    const gfx::AttributedText& attributedText() const { return content_; }
    void setAttributedText(gfx::AttributedText text);

    // Where the attributed text sets no font or colour, these apply.
    const gfx::Font& font() const { return font_; }
    void setFont(gfx::Font font);
    gfx::Color textColor() const { return textColor_; }
    void setTextColor(gfx::Color color);

    TextAlignment textAlignment() const { return alignment_; }
    void setTextAlignment(TextAlignment alignment);
    bool adjustsFontSizeToFitWidth() const { return adjustsFontSizeToFitWidth_; }
    void setAdjustsFontSizeToFitWidth(bool adjusts);
    BaselineAdjustment baselineAdjustment() const { return baselineAdjustment_; }
    void setBaselineAdjustment(BaselineAdjustment adjustment);

    // The factor the fonts are scaled by to fit the current width: 1 when the
    // text fits or the label does not adjust.
    double fontScale() const;
    // Where the text is drawn (top-left corner) and at what size, in the
    // label's coordinates.
    gfx::Rect textRect() const;

    void draw(gfx::Rect rect) override;
    std::optional<gfx::Size> intrinsicContentSize() const override;
    std::string debugDescription() const override;

private:
    gfx::AttributedText scaledContent(double scale) const;
    gfx::Size measure(double scale) const;
    void contentChanged();

    gfx::AttributedText content_;
    gfx::Font font_ = gfx::Font::system(17.0);
    gfx::Color textColor_ = gfx::Color::black();
    TextAlignment alignment_ = TextAlignment::left;
    bool adjustsFontSizeToFitWidth_ = false;
    BaselineAdjustment baselineAdjustment_ = BaselineAdjustment::alignBaselines;
};

}  // namespace ui

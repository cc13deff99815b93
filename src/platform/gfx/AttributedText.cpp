#include "platform/gfx/AttributedText.h"

#include "platform/gfx/Utf16.h"

namespace gfx {

std::size_t utf16Length(const std::string& text) {
    return detail::utf16Offsets(text).size() - 1;
}

std::size_t AttributedText::length() const {
    return utf16Length(text_);
}

bool AttributedText::add(TextSpan span) {
    std::size_t total = length();
    if (span.range.location > total || span.range.length > total - span.range.location) return false;
    spans_.push_back(std::move(span));
    return true;
}

bool AttributedText::addFont(TextRange range, const Font& font) {
    return add({range, font, {}, {}});
}

bool AttributedText::addForegroundColor(TextRange range, Color color) {
    return add({range, {}, color, {}});
}

bool AttributedText::addBackgroundColor(TextRange range, Color color) {
    return add({range, {}, {}, color});
}

void AttributedText::append(const AttributedText& other) {
    std::size_t shift = length();
    text_ += other.text_;
    for (TextSpan span : other.spans_) {
        span.range.location += shift;
        spans_.push_back(std::move(span));
    }
}

std::optional<Font> AttributedText::fontAt(std::size_t offset) const {
    for (auto span = spans_.rbegin(); span != spans_.rend(); ++span) {
        if (span->font && offset >= span->range.location && offset - span->range.location < span->range.length) {
            return span->font;
        }
    }
    return std::nullopt;
}

}  // namespace gfx

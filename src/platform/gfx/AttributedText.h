#pragma once
// A text with attributes over ranges of it. Ranges count UTF-16 code units,
// as the callers that build these texts count them; an attribute added later
// wins where ranges overlap. Where a range sets no font or colour, the
// attributes passed to measuring and drawing apply.

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/gfx/Color.h"
#include "platform/gfx/Font.h"

namespace gfx {

struct TextRange {
    std::size_t location = 0;  // UTF-16 units from the start
    std::size_t length = 0;    // UTF-16 units
    friend bool operator==(const TextRange&, const TextRange&) = default;
};

// One added attribute: exactly one of the three is set.
struct TextSpan {
    TextRange range;
    std::optional<Font> font;
    std::optional<Color> foreground;
    std::optional<Color> background;
    friend bool operator==(const TextSpan&, const TextSpan&) = default;
};

class AttributedText {
public:
    AttributedText() = default;
    explicit AttributedText(std::string text) : text_(std::move(text)) {}

    const std::string& text() const { return text_; }
    // Length of the text in UTF-16 code units.
    std::size_t length() const;
    const std::vector<TextSpan>& spans() const { return spans_; }

    // Each returns false, and adds nothing, when the range reaches past the
    // end of the text.
    bool addFont(TextRange range, const Font& font);
    bool addForegroundColor(TextRange range, Color color);
    bool addBackgroundColor(TextRange range, Color color);

    // Appends text (and its spans, moved along) to the end.
    void append(const AttributedText& other);

    // The font in force at a UTF-16 offset: the last added font span covering it.
    std::optional<Font> fontAt(std::size_t offset) const;

    friend bool operator==(const AttributedText&, const AttributedText&) = default;

private:
    bool add(TextSpan span);

    std::string text_;
    std::vector<TextSpan> spans_;
};

// Number of UTF-16 code units of a UTF-8 text (malformed bytes count one each).
std::size_t utf16Length(const std::string& text);

}  // namespace gfx

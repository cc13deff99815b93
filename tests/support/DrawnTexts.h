#pragma once
// Where the texts of a drawing landed: while a DrawnTextRecorder lives, every
// text drawn with visible glyphs is kept with the rectangle its glyphs cover,
// in points of a surface drawn at the given scale. Checks on these rectangles
// see a text that runs out of its picture or into another text even where the
// picture's pixels would hide it (under a clip, or over a text of the same
// colour).

#include <string>
#include <vector>

#include "platform/gfx/Text.h"

namespace gfx::testing {

struct PlacedText {
    std::string text;
    Rect box;  // in points
};

class DrawnTextRecorder {
public:
    explicit DrawnTextRecorder(double scale) {
        setTextDrawnObserver([this, scale](const DrawnText& drawn) {
            const Rect& p = drawn.pixels;
            texts_.push_back({drawn.text, Rect::make(p.minX() / scale, p.minY() / scale, p.size.width / scale,
                                                     p.size.height / scale)});
        });
    }
    ~DrawnTextRecorder() { setTextDrawnObserver({}); }
    DrawnTextRecorder(const DrawnTextRecorder&) = delete;
    DrawnTextRecorder& operator=(const DrawnTextRecorder&) = delete;

    const std::vector<PlacedText>& texts() const { return texts_; }

private:
    std::vector<PlacedText> texts_;
};

}  // namespace gfx::testing

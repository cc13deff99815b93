#include "platform/gfx/Text.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <utility>

#include <cairo.h>

#include "platform/gfx/Context.h"
#include "platform/gfx/PangoSupport.h"
#include "platform/gfx/TextLayout.h"

namespace gfx {

namespace {

// Sizes by font and text. Colours don't change a size, so they are not part
// of the key. The cache is emptied when it grows past a bound, which only
// costs time.
class MeasureCache {
public:
    static constexpr std::size_t kMaxEntries = 20000;

    Size measure(const std::string& text, const TextAttributes& attributes) {
        std::string key = detail::fontKey(attributes.font);
        key += '\x1f';
        key += text;
        auto found = sizes_.find(key);
        if (found != sizes_.end()) return found->second;
        Size size = detail::TextLayout(text, attributes).size();
        if (sizes_.size() >= kMaxEntries) sizes_.clear();
        sizes_.emplace(std::move(key), size);
        return size;
    }

    void clear() { sizes_.clear(); }

private:
    std::unordered_map<std::string, Size> sizes_;
};

MeasureCache& cache() {
    static MeasureCache instance;
    return instance;
}

std::function<void(const DrawnText&)>& drawnObserver() {
    static std::function<void(const DrawnText&)> observer;
    return observer;
}

// Tells the observer, if there is one, where the laid-out text's glyphs landed.
void reportDrawn(Context& context, const std::string& text, const detail::TextLayout& layout, Point topLeft) {
    const std::function<void(const DrawnText&)>& observer = drawnObserver();
    if (!observer) return;
    const Rect ink = layout.inkBounds();
    if (ink.size.width <= 0.0 || ink.size.height <= 0.0) return;
    double minX = 0.0, minY = 0.0, maxX = 0.0, maxY = 0.0;
    bool first = true;
    for (const Point corner : {Point{ink.minX(), ink.minY()}, Point{ink.maxX(), ink.minY()},
                               Point{ink.minX(), ink.maxY()}, Point{ink.maxX(), ink.maxY()}}) {
        double px = topLeft.x + corner.x, py = topLeft.y + corner.y;
        cairo_user_to_device(context.cairo(), &px, &py);
        minX = first ? px : std::min(minX, px);
        minY = first ? py : std::min(minY, py);
        maxX = first ? px : std::max(maxX, px);
        maxY = first ? py : std::max(maxY, py);
        first = false;
    }
    observer({text, Rect::make(minX, minY, maxX - minX, maxY - minY)});
}

}  // namespace

Size measureText(const std::string& text, const TextAttributes& attributes) {
    if (text.empty()) return {};
    return cache().measure(text, attributes);
}

Size measureText(const AttributedText& text, const TextAttributes& defaults) {
    if (text.text().empty()) return {};
    return detail::TextLayout(text, defaults).size();
}

Rect inkBounds(const std::string& text, const TextAttributes& attributes) {
    if (text.empty()) return {};
    return detail::TextLayout(text, attributes).inkBounds();
}

void drawText(Context& context, const std::string& text, Point topLeft, const TextAttributes& attributes) {
    if (text.empty()) return;
    if (attributes.foreground.isClear() && attributes.background.isClear()) return;
    const detail::TextLayout layout(text, attributes);
    layout.draw(context, topLeft);
    if (!attributes.foreground.isClear()) reportDrawn(context, text, layout, topLeft);
}

void drawText(Context& context, const AttributedText& text, Point topLeft, const TextAttributes& defaults) {
    if (text.text().empty()) return;
    const detail::TextLayout layout(text, defaults);
    layout.draw(context, topLeft);
    reportDrawn(context, text.text(), layout, topLeft);
}

void drawText(const std::string& text, Point topLeft, const TextAttributes& attributes) {
    if (Context* context = currentContext()) drawText(*context, text, topLeft, attributes);
}

void drawText(const AttributedText& text, Point topLeft, const TextAttributes& defaults) {
    if (Context* context = currentContext()) drawText(*context, text, topLeft, defaults);
}

void clearTextMeasureCache() {
    cache().clear();
}

void setTextDrawnObserver(std::function<void(const DrawnText&)> observer) {
    drawnObserver() = std::move(observer);
}

}  // namespace gfx

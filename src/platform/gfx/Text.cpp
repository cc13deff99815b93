#include "platform/gfx/Text.h"

#include <string>
#include <unordered_map>

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
    detail::TextLayout(text, attributes).draw(context, topLeft);
}

void drawText(Context& context, const AttributedText& text, Point topLeft, const TextAttributes& defaults) {
    if (text.text().empty()) return;
    detail::TextLayout(text, defaults).draw(context, topLeft);
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

}  // namespace gfx

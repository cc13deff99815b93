#include "platform/gfx/TextLayout.h"

#include <algorithm>
#include <cmath>
#include <set>

#include <cairo.h>
#include <pango/pangocairo.h>

#include "platform/gfx/Context.h"
#include "platform/gfx/FractionForms.h"
#include "platform/gfx/PangoSupport.h"
#include "platform/gfx/Text.h"
#include "platform/gfx/Utf16.h"

namespace gfx::detail {

namespace {

guint16 channel(double value) {
    return static_cast<guint16>(std::lround(std::clamp(value, 0.0, 1.0) * 65535.0));
}

// Pango reads an alpha of 0 as "not set" (opaque); 1/65535 is as good as clear.
guint16 alphaChannel(double value) {
    return std::max<guint16>(1, channel(value));
}

void insert(PangoAttrList* list, PangoAttribute* attribute, const TextSegment& segment) {
    attribute->start_index = static_cast<guint>(segment.begin);
    attribute->end_index = static_cast<guint>(segment.end);
    pango_attr_list_insert(list, attribute);
}

// The span's UTF-16 range as bytes of the text.
std::pair<std::size_t, std::size_t> byteRange(const TextSpan& span, const std::vector<std::size_t>& offsets) {
    std::size_t last = offsets.size() - 1;
    std::size_t from = std::min(span.range.location, last);
    std::size_t to = std::min(span.range.location + span.range.length, last);
    return {offsets[from], offsets[to]};
}

// Splits the text where any span begins or ends and resolves each stretch:
// the last span added that covers it wins, the defaults fill the rest.
std::vector<TextSegment> resolve(const AttributedText& text, const TextAttributes& defaults) {
    const std::string& string = text.text();
    std::vector<std::size_t> offsets = utf16Offsets(string);
    std::set<std::size_t> cuts{0, string.size()};
    for (const TextSpan& span : text.spans()) {
        auto [from, to] = byteRange(span, offsets);
        cuts.insert(from);
        cuts.insert(to);
    }
    std::vector<TextSegment> segments;
    for (auto cut = cuts.begin(); std::next(cut) != cuts.end(); ++cut) {
        TextSegment segment{*cut, *std::next(cut), defaults.font, defaults.foreground, defaults.background};
        for (const TextSpan& span : text.spans()) {
            auto [from, to] = byteRange(span, offsets);
            if (segment.begin < from || segment.begin >= to) continue;
            if (span.font) segment.font = *span.font;
            if (span.foreground) segment.foreground = *span.foreground;
            if (span.background) segment.background = *span.background;
        }
        segments.push_back(std::move(segment));
    }
    if (segments.empty()) segments.push_back({0, 0, defaults.font, defaults.foreground, defaults.background});
    return segments;
}

const TextSegment& segmentAt(const std::vector<TextSegment>& segments, std::size_t byte) {
    for (const TextSegment& segment : segments) {
        if (byte < segment.end) return segment;
    }
    return segments.back();
}

// Rewrites the stretches whose font asks for diagonal fractions that its face
// can't make, moving the segments' byte ranges along.
std::string withFractionForms(const std::string& text, std::vector<TextSegment>& segments) {
    bool any = std::any_of(segments.begin(), segments.end(),
                           [](const TextSegment& segment) { return needsFractionForms(segment.font); });
    if (!any) return text;
    std::string result;
    for (TextSegment& segment : segments) {
        std::string piece = text.substr(segment.begin, segment.end - segment.begin);
        if (needsFractionForms(segment.font)) piece = diagonalFractionForms(piece);
        segment.begin = result.size();
        result += piece;
        segment.end = result.size();
    }
    return result;
}

}  // namespace

TextLayout::TextLayout(const std::string& text, const TextAttributes& attributes) {
    segments_.push_back({0, text.size(), attributes.font, attributes.foreground, attributes.background});
    build(text);
}

TextLayout::TextLayout(const AttributedText& text, const TextAttributes& defaults)
    : segments_(resolve(text, defaults)) {
    build(text.text());
}

TextLayout::~TextLayout() {
    if (layout_ != nullptr) g_object_unref(layout_);
}

void TextLayout::build(const std::string& original) {
    const std::string text = withFractionForms(displayableText(original), segments_);
    layout_ = pango_layout_new(pangoContext());
    pango_layout_set_font_description(layout_, newFontDescription(segments_.front().font).get());

    PangoAttrList* list = pango_attr_list_new();
    for (const TextSegment& segment : segments_) {
        if (segment.begin == segment.end) continue;
        insert(list, pango_attr_font_desc_new(newFontDescription(segment.font).get()), segment);
        std::string features = featureText(segment.font);
        if (!features.empty()) insert(list, pango_attr_font_features_new(features.c_str()), segment);
        const Color& fg = segment.foreground;
        insert(list, pango_attr_foreground_new(channel(fg.r), channel(fg.g), channel(fg.b)), segment);
        insert(list, pango_attr_foreground_alpha_new(alphaChannel(fg.a)), segment);
        const Color& bg = segment.background;
        if (!bg.isClear()) {
            insert(list, pango_attr_background_new(channel(bg.r), channel(bg.g), channel(bg.b)), segment);
            insert(list, pango_attr_background_alpha_new(alphaChannel(bg.a)), segment);
        }
    }
    pango_layout_set_attributes(layout_, list);
    pango_attr_list_unref(list);
    pango_layout_set_text(layout_, text.data(), static_cast<int>(text.size()));

    if (text.empty()) return;  // the empty text has no lines
    bool oneFont = segments_.size() == 1;
    FontMetrics common = segments_.front().font.metrics();
    for (GSList* item = pango_layout_get_lines_readonly(layout_); item != nullptr; item = item->next) {
        auto* line = static_cast<PangoLayoutLine*>(item->data);
        PangoRectangle logical{};
        pango_layout_line_get_extents(line, nullptr, &logical);
        LineGeometry geometry{static_cast<double>(logical.width) / PANGO_SCALE, common.ascender, common.lineHeight,
                              line};
        if (!oneFont) {
            // As high as the tallest font asked for in the line (fallback fonts don't count).
            FontMetrics first = segmentAt(segments_, static_cast<std::size_t>(line->start_index)).font.metrics();
            geometry.ascender = first.ascender;
            geometry.height = first.lineHeight;
            for (GSList* run = line->runs; run != nullptr; run = run->next) {
                auto* glyphs = static_cast<PangoGlyphItem*>(run->data);
                FontMetrics metrics =
                    segmentAt(segments_, static_cast<std::size_t>(glyphs->item->offset)).font.metrics();
                geometry.ascender = std::max(geometry.ascender, metrics.ascender);
                geometry.height = std::max(geometry.height, metrics.lineHeight);
            }
        }
        lines_.push_back(geometry);
    }
}

Size TextLayout::size() const {
    Size size;
    for (const LineGeometry& line : lines_) {
        size.width = std::max(size.width, line.width);
        size.height += line.height;
    }
    return size;
}

// Placed line by line as draw places them.
Rect TextLayout::inkBounds() const {
    Rect bounds;
    double top = 0.0;
    for (const LineGeometry& line : lines_) {
        PangoRectangle ink{};
        PangoRectangle logical{};
        pango_layout_line_get_extents(line.line, &ink, &logical);
        top += line.height;
        if (ink.width <= 0 || ink.height <= 0) continue;
        const Rect lineInk =
            Rect::make(static_cast<double>(logical.x + ink.x) / PANGO_SCALE,
                       top - line.height + line.ascender + static_cast<double>(ink.y) / PANGO_SCALE,
                       static_cast<double>(ink.width) / PANGO_SCALE, static_cast<double>(ink.height) / PANGO_SCALE);
        if (bounds.isEmpty()) {
            bounds = lineInk;
            continue;
        }
        const double minX = std::min(bounds.minX(), lineInk.minX());
        const double minY = std::min(bounds.minY(), lineInk.minY());
        bounds = Rect::make(minX, minY, std::max(bounds.maxX(), lineInk.maxX()) - minX,
                            std::max(bounds.maxY(), lineInk.maxY()) - minY);
    }
    return bounds;
}

void TextLayout::draw(Context& context, Point topLeft) const {
    if (lines_.empty()) return;
    cairo_t* cairo = context.cairo();
    // Text drawing leaves the context's path and state as they were.
    cairo_path_t* path = cairo_copy_path(cairo);
    cairo_save(cairo);
    cairo_new_path(cairo);
    double top = topLeft.y;
    for (const LineGeometry& line : lines_) {
        PangoRectangle logical{};
        pango_layout_line_get_extents(line.line, nullptr, &logical);
        cairo_move_to(cairo, topLeft.x + static_cast<double>(logical.x) / PANGO_SCALE, top + line.ascender);
        pango_cairo_show_layout_line(cairo, line.line);
        top += line.height;
    }
    cairo_new_path(cairo);
    cairo_restore(cairo);
    if (path->status == CAIRO_STATUS_SUCCESS) cairo_append_path(cairo, path);
    cairo_path_destroy(path);
}

}  // namespace gfx::detail

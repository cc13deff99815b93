// Font::metrics: the font's measures read from its OpenType tables through
// harfbuzz, once per face and weight, then scaled to the point size.

#include <cmath>
#include <map>
#include <string>

#include <hb-ot.h>
#include <hb.h>
#include <pango/pangocairo.h>

#include "platform/gfx/Font.h"
#include "platform/gfx/PangoSupport.h"

namespace gfx {

namespace {

// Measures of a face for a size of one point.
struct UnitMetrics {
    double capHeight = 0.0;
    double xHeight = 0.0;
    double ascender = 0.0;
    double descender = 0.0;
    double lineGap = 0.0;
};

// Height of the top of a glyph above the baseline, in font units; 0 when the
// face has no glyph for the character.
double glyphTop(hb_font_t* font, hb_codepoint_t character) {
    hb_codepoint_t glyph = 0;
    hb_glyph_extents_t extents{};
    if (!hb_font_get_nominal_glyph(font, character, &glyph)) return 0.0;
    if (!hb_font_get_glyph_extents(font, glyph, &extents)) return 0.0;
    return extents.y_bearing;
}

double position(hb_font_t* font, hb_ot_metrics_tag_t tag, bool* found) {
    hb_position_t value = 0;
    *found = hb_ot_metrics_get_position(font, tag, &value) != 0;
    return value;
}

UnitMetrics readUnitMetrics(const Font& font) {
    UnitMetrics unit;
    // Load at a large size; only the face (its tables) is used.
    PangoFont* pangoFont = pango_font_map_load_font(pango_context_get_font_map(detail::pangoContext()),
                                                    detail::pangoContext(),
                                                    detail::newFontDescription(font.withSize(1000.0)).get());
    if (pangoFont == nullptr) return unit;

    hb_face_t* face = hb_font_get_face(pango_font_get_hb_font(pangoFont));
    hb_font_t* hb = hb_font_create(face);  // scale = units per em
    double upem = hb_face_get_upem(face);
    if (upem <= 0.0) upem = 1000.0;

    bool found = false;
    unit.ascender = position(hb, HB_OT_METRICS_TAG_HORIZONTAL_ASCENDER, &found) / upem;
    unit.descender = position(hb, HB_OT_METRICS_TAG_HORIZONTAL_DESCENDER, &found) / upem;
    unit.lineGap = position(hb, HB_OT_METRICS_TAG_HORIZONTAL_LINE_GAP, &found) / upem;
    double cap = position(hb, HB_OT_METRICS_TAG_CAP_HEIGHT, &found);
    if (!found || cap <= 0.0) cap = glyphTop(hb, 'H');
    double x = position(hb, HB_OT_METRICS_TAG_X_HEIGHT, &found);
    if (!found || x <= 0.0) x = glyphTop(hb, 'x');
    unit.capHeight = cap / upem;
    unit.xHeight = x / upem;
    // The descender is below the baseline: negative, whatever sign the table uses.
    if (unit.descender > 0.0) unit.descender = -unit.descender;
    if (unit.lineGap < 0.0) unit.lineGap = 0.0;

    hb_font_destroy(hb);
    g_object_unref(pangoFont);
    return unit;
}

const UnitMetrics& unitMetrics(const Font& font) {
    static std::map<std::string, UnitMetrics> cache;
    std::string key = font.family() + '|' + std::to_string(font.weight().weightClass());
    auto found = cache.find(key);
    if (found == cache.end()) found = cache.emplace(key, readUnitMetrics(font)).first;
    return found->second;
}

}  // namespace

FontMetrics Font::metrics() const {
    const UnitMetrics& unit = unitMetrics(*this);
    double size = size_;
    FontMetrics metrics;
    metrics.capHeight = unit.capHeight * size;
    metrics.xHeight = unit.xHeight * size;
    metrics.ascender = unit.ascender * size;
    metrics.descender = unit.descender * size;
    metrics.lineHeight = (unit.ascender - unit.descender + unit.lineGap) * size;
    metrics.pointSize = size;
    return metrics;
}

}  // namespace gfx

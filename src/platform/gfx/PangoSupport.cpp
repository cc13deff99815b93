#include "platform/gfx/PangoSupport.h"

#include <cmath>
#include <cstdio>

#include <pango/pangocairo.h>

namespace gfx::detail {

namespace {

// Pango sizes are integers in 1/1024 of a point; a font is at least one unit.
int pangoSize(double points) {
    if (!std::isfinite(points) || points <= 0.0) return 1;
    double units = std::round(points * PANGO_SCALE);
    if (units < 1.0) return 1;
    if (units > 1.0e8) return 100000000;
    return static_cast<int>(units);
}

}  // namespace

PangoContext* pangoContext() {
    static PangoContext* context = [] {
        PangoFontMap* map = pango_cairo_font_map_new();
        pango_cairo_font_map_set_resolution(PANGO_CAIRO_FONT_MAP(map), 72.0);
        PangoContext* ctx = pango_font_map_create_context(map);
        g_object_unref(map);  // the context holds it

        cairo_font_options_t* options = cairo_font_options_create();
        cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
        cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
        cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
        pango_cairo_context_set_font_options(ctx, options);
        cairo_font_options_destroy(options);
        pango_context_set_round_glyph_positions(ctx, FALSE);
        return ctx;
    }();
    return context;
}

FontDescription newFontDescription(const Font& font) {
    FontDescription owned(pango_font_description_new());
    PangoFontDescription* description = owned.get();
    pango_font_description_set_family(description, font.family().c_str());
    pango_font_description_set_weight(description, static_cast<PangoWeight>(font.weight().weightClass()));
    pango_font_description_set_style(description, PANGO_STYLE_NORMAL);
    pango_font_description_set_stretch(description, PANGO_STRETCH_NORMAL);
    pango_font_description_set_absolute_size(description, pangoSize(font.pointSize()));
    return owned;
}

std::string featureText(const Font& font) {
    std::string text;
    for (const FontFeature& feature : font.features()) {
        if (!text.empty()) text += ',';
        text += feature.tag + '=' + std::to_string(feature.value);
    }
    return text;
}

std::string fontKey(const Font& font) {
    std::string key = font.family();
    key += '|';
    key += std::to_string(font.weight().weightClass());
    key += '|';
    char size[40];
    std::snprintf(size, sizeof size, "%a", font.pointSize());  // exact, so no two sizes share a key
    key += size;
    key += '|';
    key += featureText(font);
    return key;
}

}  // namespace gfx::detail

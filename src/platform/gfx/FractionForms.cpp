#include "platform/gfx/FractionForms.h"

#include <algorithm>
#include <map>

#include <hb-ot.h>
#include <hb.h>
#include <pango/pangocairo.h>

#include "platform/gfx/PangoSupport.h"

namespace gfx::detail {

namespace {

bool faceHasFraction(const Font& font) {
    static std::map<std::string, bool> cache;
    std::string key = font.family() + '|' + std::to_string(font.weight().weightClass());
    auto found = cache.find(key);
    if (found != cache.end()) return found->second;

    bool has = false;
    PangoFont* pangoFont = pango_font_map_load_font(pango_context_get_font_map(pangoContext()), pangoContext(),
                                                    newFontDescription(font.withSize(12.0)).get());
    if (pangoFont != nullptr) {
        hb_face_t* face = hb_font_get_face(pango_font_get_hb_font(pangoFont));
        unsigned count = hb_ot_layout_table_get_feature_tags(face, HB_OT_TAG_GSUB, 0, nullptr, nullptr);
        std::vector<hb_tag_t> tags(count);
        hb_ot_layout_table_get_feature_tags(face, HB_OT_TAG_GSUB, 0, &count, tags.data());
        has = std::find(tags.begin(), tags.end(), HB_TAG('f', 'r', 'a', 'c')) != tags.end();
        g_object_unref(pangoFont);
    }
    cache.emplace(key, has);
    return has;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

const char* const kSuperscript[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
const char* const kSubscript[] = {"₀", "₁", "₂", "₃", "₄", "₅", "₆", "₇", "₈", "₉"};

}  // namespace

bool needsFractionForms(const Font& font) {
    const auto& features = font.features();
    bool asks = std::any_of(features.begin(), features.end(),
                            [](const FontFeature& feature) { return feature.tag == "frac" && feature.value != 0; });
    return asks && !faceHasFraction(font);
}

std::string diagonalFractionForms(const std::string& text) {
    std::string result;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t numeratorEnd = i;
        while (numeratorEnd < text.size() && isDigit(text[numeratorEnd])) ++numeratorEnd;
        std::size_t denominatorEnd = numeratorEnd + 1;
        while (denominatorEnd < text.size() && isDigit(text[denominatorEnd])) ++denominatorEnd;
        bool fraction = numeratorEnd > i && numeratorEnd < text.size() && text[numeratorEnd] == '/' &&
                        denominatorEnd > numeratorEnd + 1;
        if (!fraction) {
            // Copy the run of digits (or the one other byte) as it is.
            std::size_t end = numeratorEnd > i ? numeratorEnd : i + 1;
            result.append(text, i, end - i);
            i = end;
            continue;
        }
        for (std::size_t k = i; k < numeratorEnd; ++k) result += kSuperscript[text[k] - '0'];
        result += "⁄";
        for (std::size_t k = numeratorEnd + 1; k < denominatorEnd; ++k) result += kSubscript[text[k] - '0'];
        i = denominatorEnd;
    }
    return result;
}

}  // namespace gfx::detail

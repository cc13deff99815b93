#pragma once
// Internal to gfx: the one pango context that all text is laid out with, and
// the translation of Font values into pango terms.
//
// The context uses pango's cairo font map at 72 dpi, so that one point is one
// unit of user space, with hinting of metrics and rounding of glyph positions
// turned off, so that measurements don't depend on the surface drawn on.

#include <memory>
#include <string>

#include <pango/pango.h>

#include "platform/gfx/Font.h"

namespace gfx::detail {

PangoContext* pangoContext();

// Frees a pango font description when its owner goes.
struct FontDescriptionFree {
    void operator()(PangoFontDescription* description) const { pango_font_description_free(description); }
};
using FontDescription = std::unique_ptr<PangoFontDescription, FontDescriptionFree>;

// A new description for the font's family, weight and size.
FontDescription newFontDescription(const Font& font);

// The font's OpenType features as pango's feature text ("tnum=1,frac=1"),
// empty when there are none.
std::string featureText(const Font& font);

// A text that identifies everything of a font that affects its measures
// (family, weight class, exact size, features).
std::string fontKey(const Font& font);

}  // namespace gfx::detail

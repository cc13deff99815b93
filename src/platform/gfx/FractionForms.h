#pragma once
// Internal to gfx: diagonal fractions for faces without the OpenType "frac"
// feature. The installed system faces lack it, so a font that asks for "frac"
// gets the same look from characters every face has: the digits before a
// slash become superscript digits, the slash the fraction slash U+2044 and the
// digits after it subscript digits ("1/2" is drawn as "¹⁄₂").

#include <string>

#include "platform/gfx/Font.h"

namespace gfx::detail {

// True when the font asks for diagonal fractions and its face can't make them.
bool needsFractionForms(const Font& font);

// The text with each run digits, "/", digits rewritten as above; other text unchanged.
std::string diagonalFractionForms(const std::string& text);

}  // namespace gfx::detail

#pragma once
// The recolourers of number-cell items already written into a layout. Each
// changes the layout in place, and at most one item: the first one met in the
// row walk (RowWalk.h) whose kind it handles and whose tag row, two rows after
// the kind row, holds the tag. That item's colour row is replaced whole, key
// included; the places an operation does not colour keep their colour. No
// matching item leaves the layout as it was.
//
// Kinds handled and what each colours (whole / fraction / mixed number):
//   recolorNumberCell           everything / both parts / all three parts
//   recolorFractionPartInPlace  - / both parts / numerator and denominator
//   recolorWholePart            the number / - / the whole part
//   recolorNumeratorInPlace     - / numerator / numerator
//   recolorDenominatorInPlace   - / denominator / denominator
//   setMixedNumberColors        mixed numbers only: whole, numerator, denominator
//   recolorVisibleFraction      the numerator and denominator left visible:
//     fraction and extended fraction both parts, mixed number its fraction,
//     a cancelled fraction the replacement values and the parts not struck.

#include <string>

#include "layout/TagLayout.h"

namespace duolinear {

void recolorNumberCell(TagLayout& layout, Color color, const std::string& tag);
void recolorFractionPartInPlace(TagLayout& layout, Color color, const std::string& tag);
void recolorWholePart(TagLayout& layout, Color color, const std::string& tag);
void recolorNumeratorInPlace(TagLayout& layout, Color color, const std::string& tag);
void recolorDenominatorInPlace(TagLayout& layout, Color color, const std::string& tag);
void setMixedNumberColors(TagLayout& layout, Color wholeColor, Color numeratorColor, Color denominatorColor,
                          const std::string& tag);
void recolorVisibleFraction(TagLayout& layout, Color top, Color bottom, const std::string& tag);

}  // namespace duolinear

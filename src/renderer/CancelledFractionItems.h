#pragma once
// The cancelled fractions: "fraction_cancel_numerator_and_denominator",
// "fraction_cancel_numerator" and "fraction_cancel_denominator", a stacked
// fraction whose numerator, denominator or both are struck through by a
// rising stroke, with the value that replaces each struck part one bar space
// above the numerator or below the denominator, in the fraction font.
//
// Rows, by position after the kind row (the tag row is never read):
//   both:        kind, N, D, N', D' | colours: key, N and bar, D, N', D',
//                                              N stroke, D stroke
//   numerator:   kind, N, D, N'     | colours: key, N and bar, D, N', stroke
//   denominator: kind, N, D, D'     | colours: key, N and bar, D, D', stroke
//
// The width is that of the fraction: the wider of N and D in the fraction
// font; the replacements do not count (a wider one overhangs both sides
// equally). A numerator that begins with "-" has the sign drawn before the
// bar in the whole font, as a plain "fraction" does, and the width makes room
// for it; the strokes and replacements then stand over the fraction after
// the sign. Each replacement adds a band of fracCapHeight + barSpace above
// (raising the ascent) or below the plain fraction's box.
//
// Strokes are drawn only when a graphics context is current; a kind or
// colour row shorter than the kind needs stands for nothing; a colour that
// names no colour draws black.

#include <string_view>

#include "renderer/LayoutFrame.h"

namespace duolinear {

bool isCancelledFractionKind(std::string_view kind);

LayoutSize measureCancelledFraction(const LayoutFrame& frame);
void drawCancelledFraction(const LayoutFrame& frame, double x, double y);

}  // namespace duolinear

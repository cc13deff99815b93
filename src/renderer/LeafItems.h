#pragma once
// The items without children: "integer" and "message" texts in the whole
// font, and the stacked fractions "signed_rational" (with an optional leading
// minus sign) and "rational" in the fraction font around the fraction axis.
//
// Rows, by position after the kind row:
//   "integer", text                      | colour row: key, text colour
//   "message", text                      | colour row: key, text colour
//   "signed_rational", sign, num, den    | colour row: key, sign, num, den, bar colours
//   "rational", num, den                 | colour row: key, (unread), num, den, bar colours
// An item whose kind row lacks a value, or that has no colour row, stands for
// nothing.

#include "renderer/LayoutFrame.h"

namespace duolinear {

LayoutSize measureIntegerItem(const LayoutFrame& frame);
void drawIntegerItem(const LayoutFrame& frame, double x, double y);

LayoutSize measureMessageItem(const LayoutFrame& frame);
void drawMessageItem(const LayoutFrame& frame, double x, double y);

LayoutSize measureSignedRationalItem(const LayoutFrame& frame);
void drawSignedRationalItem(const LayoutFrame& frame, double x, double y);

LayoutSize measureRationalItem(const LayoutFrame& frame);
void drawRationalItem(const LayoutFrame& frame, double x, double y);

}  // namespace duolinear

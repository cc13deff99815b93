#pragma once
// Editors that change the colours of items already written into a layout,
// addressing an item by its tag through the item tree.
//
// findItemByTag walks the tree from the root, depth first, an item before its
// children and a join's right child before its left one; the first item met
// whose tag is the one asked for wins (the tag "start" names the whole
// layout, row 0). It matches the leaves "message", "integer", "rational",
// "signed_rational", "whole", "fraction" and "mixed_number", the composites
// "unary", "font" and "join" and the grids "box_grid" and "box_table"; it
// passes through "block" items to their child and neither matches nor enters
// any other kind. Items the root does not reach are never found.
//
// A malformed layout never crashes or loops: a child reference that is not a
// decimal row index, or that does not stand before its parent (as the
// renderer requires), leads nowhere, and each item is visited at most once.
//
// The editors returning a layout work on a copy; the set...Color editors
// change the layout passed to them. Finding nothing changes nothing.

#include <cstddef>
#include <optional>
#include <string>

#include "layout/TagLayout.h"

namespace duolinear {

std::optional<std::size_t> findItemByTag(const TagLayout& layout, const std::string& tag);

// The found fraction in the colour (both parts), or the found mixed number's
// numerator and denominator; any other found kind is left as it was.
TagLayout recolorFractionPart(const TagLayout& layout, Color color, const std::string& tag);
// The denominator alone of the found fraction or mixed number.
TagLayout recolorDenominator(const TagLayout& layout, Color color, const std::string& tag);
// Every colour of the found item and of every item below it (through unary,
// font and join items; not into blocks or plug-ins).
TagLayout recolorSubtree(const TagLayout& layout, Color color, const std::string& tag);

// The colour row before the first ["unary_tag", tag] (["join_tag", tag],
// ["message_tag", tag]) row in row order, reachable from the root or not.
void setUnaryColor(TagLayout& layout, Color color, const std::string& tag);
void setJoinColor(TagLayout& layout, Color color, const std::string& tag);
void setMessageColor(TagLayout& layout, Color color, const std::string& tag);

}  // namespace duolinear

#pragma once
// The layout pass: solves the active constraints of a whole view tree as one
// linear system and sets the frames of the views that constraints place.
//
// Each view has four values: its left edge and top edge (in the coordinates
// of the tree's root), its width and its height. The root keeps its size,
// and views that translate their autoresizing mask keep their frames; the
// others are unknowns. Constraints are taken in the order they were
// activated: one that follows from the earlier ones is fine, one that
// contradicts them is left out and reported. Then each view with an intrinsic
// size takes it in each dimension that the constraints left free. What is
// still free is reported and keeps its previous value.

#include <string>
#include <vector>

namespace ui {

class View;

struct LayoutReport {
    // One sentence per problem; empty when the constraints fix every frame.
    std::vector<std::string> problems;
};

LayoutReport solveLayout(View& root);

}  // namespace ui

#pragma once
// The safe-area guide of a view: the view's bounds less its safe-area insets
// (the part that no bar covers), with the anchors of its edges.

#include "platform/ui/Anchor.h"

namespace ui {

class LayoutGuide {
public:
    explicit LayoutGuide(View& owner) : owner_(&owner) {}

    View& owningView() const { return *owner_; }

    XAxisAnchor leadingAnchor() const { return {*owner_, AnchorAttribute::leading, true}; }
    XAxisAnchor trailingAnchor() const { return {*owner_, AnchorAttribute::trailing, true}; }
    XAxisAnchor centerXAnchor() const { return {*owner_, AnchorAttribute::centerX, true}; }
    YAxisAnchor topAnchor() const { return {*owner_, AnchorAttribute::top, true}; }
    YAxisAnchor bottomAnchor() const { return {*owner_, AnchorAttribute::bottom, true}; }
    DimensionAnchor widthAnchor() const { return {*owner_, AnchorAttribute::width, true}; }
    DimensionAnchor heightAnchor() const { return {*owner_, AnchorAttribute::height, true}; }

private:
    View* owner_;
};

}  // namespace ui

#pragma once
// A rectangle on the screen that draws itself and takes touches, and holds
// subviews in front of it. Views live in shared_ptrs: a view owns its
// subviews; the superview is a plain back pointer.
//
// Geometry is in points, origin top-left, y down. A view's frame is its
// rectangle in its superview's coordinates; its bounds are the same rectangle
// in its own coordinates (always at origin zero).
//
// Layout: a view whose translatesAutoresizingMaskIntoConstraints is true (the
// default) keeps the frame it is given; one that turns it off is placed by its
// active constraints, solved together for the whole tree in a layout pass.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"
#include "platform/ui/Anchor.h"
#include "platform/ui/Constraint.h"
#include "platform/ui/EdgeInsets.h"
#include "platform/ui/LayoutGuide.h"
#include "platform/ui/Responder.h"

namespace gfx {
class Context;
}

namespace ui {

class ViewController;
class Window;

class View : public Responder, public std::enable_shared_from_this<View> {
public:
    View() = default;
    explicit View(gfx::Rect frame) : frame_(frame) {}
    ~View() override;

    // Geometry.
    gfx::Rect frame() const { return frame_; }
    void setFrame(gfx::Rect frame);
    gfx::Rect bounds() const { return {{0.0, 0.0}, frame_.size}; }

    // The view tree.
    View* superview() const { return superview_; }
    const std::vector<std::shared_ptr<View>>& subviews() const { return subviews_; }
    // Adds a view in front of the other subviews, taking it from its old
    // superview first.
    void addSubview(std::shared_ptr<View> view);
    void removeFromSuperview();
    // The topmost ancestor (the view itself when it has no superview).
    View& root();
    const View& root() const;
    // The window the view is in, if any.
    Window* window() const;
    bool isDescendantOf(const View& ancestor) const;

    // Attributes.
    long long tag() const { return tag_; }
    void setTag(long long tag) { tag_ = tag; }
    gfx::Color backgroundColor() const { return backgroundColor_; }
    void setBackgroundColor(gfx::Color color);
    bool isHidden() const { return hidden_; }
    void setHidden(bool hidden);
    bool isUserInteractionEnabled() const { return userInteractionEnabled_; }
    void setUserInteractionEnabled(bool enabled) { userInteractionEnabled_ = enabled; }

    // The first view with the tag, depth first, the view itself first.
    View* viewWithTag(long long tag);

    // Drawing. A redraw request marks the whole tree for redrawing.
    void setNeedsDisplay();
    bool needsDisplay() const;  // of the tree this view is in
    // Draws the view's content in its own coordinates, into gfx::currentContext()
    // clipped to the bounds, after the background colour has been filled.
    virtual void draw(gfx::Rect rect) {}
    // The drawing pass over this view and its subviews (not hidden ones), in
    // the context's current coordinates, which must be those of the superview.
    void drawHierarchy(gfx::Context& context);

    // Touches. hitTest gives the frontmost view at a point in this view's
    // coordinates that takes touches (visible, interaction enabled), or null.
    virtual View* hitTest(gfx::Point point);
    bool pointInside(gfx::Point point) const;
    Responder* nextResponder() const override;
    // Between this view's coordinates and those of the root of its tree.
    gfx::Point convertFromRoot(gfx::Point point) const;
    gfx::Point convertToRoot(gfx::Point point) const;
    gfx::Rect frameInRoot() const;

    // Layout.
    bool translatesAutoresizingMaskIntoConstraints() const { return translatesAutoresizingMask_; }
    void setTranslatesAutoresizingMaskIntoConstraints(bool translates);

    XAxisAnchor leadingAnchor() { return {*this, AnchorAttribute::leading}; }
    XAxisAnchor trailingAnchor() { return {*this, AnchorAttribute::trailing}; }
    XAxisAnchor centerXAnchor() { return {*this, AnchorAttribute::centerX}; }
    YAxisAnchor topAnchor() { return {*this, AnchorAttribute::top}; }
    YAxisAnchor bottomAnchor() { return {*this, AnchorAttribute::bottom}; }
    DimensionAnchor widthAnchor() { return {*this, AnchorAttribute::width}; }
    DimensionAnchor heightAnchor() { return {*this, AnchorAttribute::height}; }
    LayoutGuide safeAreaLayoutGuide() { return LayoutGuide(*this); }

    // Set by the window or the view controller that owns the view; zero
    // elsewhere.
    EdgeInsets safeAreaInsets() const { return safeAreaInsets_; }
    void setSafeAreaInsets(EdgeInsets insets);

    // The size the content asks for, used where the constraints leave a
    // dimension free; none for plain views.
    virtual std::optional<gfx::Size> intrinsicContentSize() const { return std::nullopt; }
    void invalidateIntrinsicContentSize();

    // The active constraints that involve this view.
    const std::vector<Constraint>& constraints() const { return constraints_; }

    // Marks the tree for a layout pass; layoutIfNeeded runs the pass when one
    // is due, and prints what it finds wrong with the constraints to stderr.
    void setNeedsLayout();
    void layoutIfNeeded();

    // e.g. `Button "7"`, `Label "x" tag 1`, `duolinear::StepView`
    virtual std::string debugDescription() const;

    // The view controller whose root view this is, if any.
    ViewController* owningViewController() const { return viewController_; }

protected:
    // For the window: the tree has been drawn.
    void markDisplayed() { needsDisplay_ = false; }

private:
    friend class Constraint;
    friend class ViewController;
    friend struct LayoutAccess;

    void detachCrossingConstraints();

    gfx::Rect frame_;
    View* superview_ = nullptr;
    std::vector<std::shared_ptr<View>> subviews_;
    long long tag_ = 0;
    gfx::Color backgroundColor_ = gfx::Color::clear();
    bool hidden_ = false;
    bool userInteractionEnabled_ = true;
    bool translatesAutoresizingMask_ = true;
    EdgeInsets safeAreaInsets_;
    std::vector<Constraint> constraints_;
    ViewController* viewController_ = nullptr;

    // Kept on the root of a tree.
    bool needsLayout_ = true;
    bool needsDisplay_ = true;
    // Set by the layout pass when a dimension came from the intrinsic size.
    bool sizedByContent_ = false;
};

}  // namespace ui

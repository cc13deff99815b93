#include "platform/ui/View.h"

#include <algorithm>
#include <cstdlib>
#include <typeinfo>
#include <unordered_set>

#include <cxxabi.h>

#include "platform/gfx/Context.h"
#include "platform/ui/LayoutSolver.h"
#include "platform/ui/ViewController.h"
#include "platform/ui/Warnings.h"
#include "platform/ui/Window.h"

namespace ui {

namespace {

void collectSubtree(const View& view, std::unordered_set<const View*>& into) {
    into.insert(&view);
    for (const auto& subview : view.subviews()) collectSubtree(*subview, into);
}

// The class name of a view without our namespace: "Button", "duolinear::StepView".
std::string className(const View& view) {
    const char* mangled = typeid(view).name();
    int status = 0;
    char* demangled = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
    std::string name = status == 0 && demangled != nullptr ? demangled : mangled;
    std::free(demangled);
    if (name.rfind("ui::", 0) == 0) name.erase(0, 4);
    return name;
}

}  // namespace

View::~View() {
    for (const auto& subview : subviews_) subview->superview_ = nullptr;
    // Take every constraint that involves this view out of the other view's
    // list; the other view's tree needs a new layout.
    for (const Constraint& constraint : constraints_) {
        constraint.data_->active = false;
        for (View* other : {&constraint.data_->first.view(),
                            constraint.data_->second ? &constraint.data_->second->view() : nullptr}) {
            if (other == nullptr || other == this) continue;
            auto& list = other->constraints_;
            list.erase(std::remove(list.begin(), list.end(), constraint), list.end());
            other->setNeedsLayout();
        }
    }
}

void View::setFrame(gfx::Rect frame) {
    if (frame == frame_) return;
    frame_ = frame;
    setNeedsLayout();
    setNeedsDisplay();
}

void View::addSubview(std::shared_ptr<View> view) {
    if (!view || isDescendantOf(*view)) return;  // not into itself
    if (view->superview_ == this) {
        // Only brought to the front; its constraints stay.
        auto it = std::find(subviews_.begin(), subviews_.end(), view);
        subviews_.erase(it);
        subviews_.push_back(std::move(view));
        setNeedsDisplay();
        return;
    }
    view->removeFromSuperview();
    view->superview_ = this;
    subviews_.push_back(std::move(view));
    setNeedsLayout();
    setNeedsDisplay();
}

void View::removeFromSuperview() {
    View* parent = superview_;
    if (parent == nullptr) return;
    detachCrossingConstraints();
    auto keep = shared_from_this();
    auto& siblings = parent->subviews_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), keep), siblings.end());
    superview_ = nullptr;
    parent->setNeedsLayout();
    parent->setNeedsDisplay();
    needsLayout_ = true;
    needsDisplay_ = true;
}

void View::detachCrossingConstraints() {
    std::unordered_set<const View*> subtree;
    collectSubtree(*this, subtree);
    for (const View* member : subtree) {
        const std::vector<Constraint> list = member->constraints_;
        for (Constraint constraint : list) {
            const Anchor& first = constraint.firstAnchor();
            const auto& second = constraint.secondAnchor();
            const bool firstInside = subtree.count(&first.view()) > 0;
            const bool secondInside = !second || subtree.count(&second->view()) > 0;
            if (!firstInside || !secondInside) constraint.deactivate();
        }
    }
}

View& View::root() {
    View* view = this;
    while (view->superview_ != nullptr) view = view->superview_;
    return *view;
}

const View& View::root() const {
    const View* view = this;
    while (view->superview_ != nullptr) view = view->superview_;
    return *view;
}

Window* View::window() const {
    return dynamic_cast<Window*>(const_cast<View*>(&root()));
}

bool View::isDescendantOf(const View& ancestor) const {
    for (const View* view = this; view != nullptr; view = view->superview_) {
        if (view == &ancestor) return true;
    }
    return false;
}

void View::setBackgroundColor(gfx::Color color) {
    if (color == backgroundColor_) return;
    backgroundColor_ = color;
    setNeedsDisplay();
}

void View::setHidden(bool hidden) {
    if (hidden == hidden_) return;
    hidden_ = hidden;
    setNeedsDisplay();
}

View* View::viewWithTag(long long tag) {
    if (tag_ == tag) return this;
    for (const auto& subview : subviews_) {
        if (View* found = subview->viewWithTag(tag)) return found;
    }
    return nullptr;
}

void View::setNeedsDisplay() {
    root().needsDisplay_ = true;
}

bool View::needsDisplay() const {
    return root().needsDisplay_;
}

void View::drawHierarchy(gfx::Context& context) {
    if (hidden_) return;
    context.saveState();
    context.translate(frame_.origin.x, frame_.origin.y);
    context.saveState();
    context.clipToRect(bounds());
    if (!backgroundColor_.isClear()) {
        context.setFillColor(backgroundColor_);
        context.fillRect(bounds());
    }
    {
        gfx::DrawingScope scope(context);
        draw(bounds());
    }
    context.restoreState();
    for (const auto& subview : subviews_) subview->drawHierarchy(context);
    context.restoreState();
}

View* View::hitTest(gfx::Point point) {
    if (hidden_ || !userInteractionEnabled_ || !pointInside(point)) return nullptr;
    for (auto it = subviews_.rbegin(); it != subviews_.rend(); ++it) {
        const View& subview = **it;
        const gfx::Point inSubview{point.x - subview.frame_.origin.x, point.y - subview.frame_.origin.y};
        if (View* hit = (*it)->hitTest(inSubview)) return hit;
    }
    return this;
}

bool View::pointInside(gfx::Point point) const {
    return bounds().contains(point);
}

Responder* View::nextResponder() const {
    if (viewController_ != nullptr) return viewController_;
    return superview_;
}

gfx::Rect View::frameInRoot() const {
    if (superview_ == nullptr) return bounds();
    gfx::Rect rect = frame_;
    for (const View* view = superview_; view->superview_ != nullptr; view = view->superview_) {
        rect.origin.x += view->frame_.origin.x;
        rect.origin.y += view->frame_.origin.y;
    }
    return rect;
}

gfx::Point View::convertFromRoot(gfx::Point point) const {
    const gfx::Rect rect = frameInRoot();
    return {point.x - rect.origin.x, point.y - rect.origin.y};
}

gfx::Point View::convertToRoot(gfx::Point point) const {
    const gfx::Rect rect = frameInRoot();
    return {point.x + rect.origin.x, point.y + rect.origin.y};
}

void View::setTranslatesAutoresizingMaskIntoConstraints(bool translates) {
    if (translates == translatesAutoresizingMask_) return;
    translatesAutoresizingMask_ = translates;
    setNeedsLayout();
}

void View::setSafeAreaInsets(EdgeInsets insets) {
    if (insets == safeAreaInsets_) return;
    safeAreaInsets_ = insets;
    setNeedsLayout();
}

void View::invalidateIntrinsicContentSize() {
    // Only a view sized by its content moves when the content changes.
    if (sizedByContent_) setNeedsLayout();
}

void View::setNeedsLayout() {
    root().needsLayout_ = true;
}

void View::layoutIfNeeded() {
    View& top = root();
    if (!top.needsLayout_) return;
    top.needsLayout_ = false;
    const LayoutReport report = solveLayout(top);
    for (const std::string& problem : report.problems) warn(problem);
}

std::string View::debugDescription() const {
    std::string text = className(*this);
    if (tag_ != 0) text += " tag " + std::to_string(tag_);
    return text;
}

gfx::Point Touch::location(const View& view) const {
    return view.convertFromRoot(windowLocation);
}

}  // namespace ui

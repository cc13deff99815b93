#include "platform/ui/Window.h"

#include "platform/ui/Application.h"

namespace ui {

namespace {

bool offerKey(View& view, Key key) {
    if (view.isHidden()) return false;
    const auto& subviews = view.subviews();
    for (auto it = subviews.rbegin(); it != subviews.rend(); ++it) {
        if (offerKey(**it, key)) return true;
    }
    return view.keyDown(key);
}

}  // namespace

Window::Window(gfx::Rect frame) : View(frame) {
    setBackgroundColor(gfx::Color::white());
}

void Window::setRootViewController(std::shared_ptr<ViewController> controller) {
    if (rootViewController_ && rootViewController_->isViewLoaded()) {
        rootViewController_->view()->removeFromSuperview();
    }
    rootViewController_ = std::move(controller);
    if (!rootViewController_) return;
    const std::shared_ptr<View>& content = rootViewController_->view();
    content->setTranslatesAutoresizingMaskIntoConstraints(true);
    content->setFrame(bounds());
    content->setSafeAreaInsets(safeAreaInsets());
    addSubview(content);
}

void Window::touchDown(gfx::Point point) {
    layoutIfNeeded();
    View* hit = hitTest(point);
    if (hit == nullptr) return;
    touching_ = true;
    touchedView_ = hit->weak_from_this();
    touchedViewUnowned_ = touchedView_.expired() ? hit : nullptr;
    hit->touchesBegan({Touch{point}});
}

void Window::touchMove(gfx::Point point) {
    if (!touching_) return;
    std::shared_ptr<View> owned = touchedView_.lock();
    View* view = owned ? owned.get() : touchedViewUnowned_;
    if (view != nullptr) view->touchesMoved({Touch{point}});
}

void Window::touchUp(gfx::Point point) {
    if (!touching_) return;
    touching_ = false;
    std::shared_ptr<View> owned = touchedView_.lock();
    View* view = owned ? owned.get() : touchedViewUnowned_;
    touchedView_.reset();
    touchedViewUnowned_ = nullptr;
    if (view != nullptr) view->touchesEnded({Touch{point}});
}

void Window::tap(gfx::Point point) {
    touchDown(point);
    touchUp(point);
}

bool Window::keyPress(Key key) {
    layoutIfNeeded();
    return offerKey(*this, key);
}

bool Window::scroll(gfx::Point point, double dx, double dy) {
    layoutIfNeeded();
    for (Responder* responder = hitTest(point); responder != nullptr; responder = responder->nextResponder()) {
        if (responder->scrollWheel(dx, dy)) return true;
    }
    return false;
}

void Window::render(gfx::ImageSurface& surface) {
    layoutIfNeeded();
    surface.clear(gfx::Color::white());
    drawHierarchy(surface.context());
    markDisplayed();
}

Responder* Window::nextResponder() const {
    return Application::shared();
}

}  // namespace ui

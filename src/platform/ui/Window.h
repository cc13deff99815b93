#pragma once
// The root of the view tree on the screen: shows the root view controller's
// view over its whole area, turns the host's mouse and keyboard events into
// touches, keys and wheel turns for its views, and draws itself into an image.
//
// Event points are in the window's coordinates, in points.

#include <memory>

#include "platform/gfx/ImageSurface.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewController.h"

namespace ui {

class Window : public View {
public:
    explicit Window(gfx::Rect frame);

    ViewController* rootViewController() const { return rootViewController_.get(); }
    void setRootViewController(std::shared_ptr<ViewController> controller);

    // A touch goes to the view it started on until it ends.
    void touchDown(gfx::Point point);
    void touchMove(gfx::Point point);
    void touchUp(gfx::Point point);
    // Down and up at one point.
    void tap(gfx::Point point);
    // Offered to the visible views, frontmost first, until one takes it.
    bool keyPress(Key key);
    // Offered to the view under the point, then up the responder chain.
    bool scroll(gfx::Point point, double dx, double dy);

    // Lays out what needs it and draws the whole window, on white.
    void render(gfx::ImageSurface& surface);

    // The application, when one is running.
    Responder* nextResponder() const override;

private:
    std::shared_ptr<ViewController> rootViewController_;
    std::weak_ptr<View> touchedView_;
    View* touchedViewUnowned_ = nullptr;  // for views not held in a shared_ptr
    bool touching_ = false;
};

}  // namespace ui

#pragma once
// The app's side of the application: told when launching has finished and
// when the app becomes active or inactive, goes to the background or comes
// back, and is about to end. Each does nothing unless overridden.

#include <memory>

#include "platform/ui/Responder.h"

namespace ui {

class Application;
class Window;

class ApplicationDelegate : public Responder {
public:
    // The window the application made for the storyboard's first scene.
    std::shared_ptr<Window> window;

    // False stops the launch.
    virtual bool didFinishLaunching(Application& application) { return true; }
    virtual void willResignActive(Application& application) {}
    virtual void didEnterBackground(Application& application) {}
    virtual void willEnterForeground(Application& application) {}
    virtual void didBecomeActive(Application& application) {}
    virtual void willTerminate(Application& application) {}
};

}  // namespace ui

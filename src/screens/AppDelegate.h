#pragma once
// The application's delegate. The storyboard makes the window and every
// screen, so launching needs nothing from it; becoming inactive, going to
// the background, coming back and ending save nothing (the only lasting
// state, the preferences, is written when "🤔" is pressed).

#include "platform/ui/ApplicationDelegate.h"

namespace duolinear {

class AppDelegate : public ui::ApplicationDelegate {
public:
    bool didFinishLaunching(ui::Application& application) override { return true; }
    void willResignActive(ui::Application& application) override {}
    void didEnterBackground(ui::Application& application) override {}
    void willEnterForeground(ui::Application& application) override {}
    void didBecomeActive(ui::Application& application) override {}
    void willTerminate(ui::Application& application) override {}
};

}  // namespace duolinear

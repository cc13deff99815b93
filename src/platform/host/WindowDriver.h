#pragma once
// Works a window as a user would: taps at points, taps on buttons found by
// their titles, and taps on the back button, each through the window's own
// hit-testing and touch handling. An action that cannot be carried out (a
// point outside the window, no such button shown, a button covered by another
// view) says why.

#include <string>

#include "platform/gfx/Geometry.h"
#include "platform/host/Outcome.h"
#include "platform/ui/Button.h"
#include "platform/ui/Window.h"

namespace host {

class WindowDriver {
public:
    explicit WindowDriver(ui::Window& window) : window_(&window) {}

    ui::Window& window() const { return *window_; }

    Outcome tap(gfx::Point point);
    Outcome tapButton(const std::string& title);
    Outcome back();

    // The frontmost shown button with this title that a tap at its centre
    // reaches; null (with the reason in `why`) when there is none.
    ui::Button* findButton(const std::string& title, std::string& why);

private:
    Outcome tapOn(ui::Button& button);

    ui::Window* window_;
};

}  // namespace host

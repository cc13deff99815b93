#pragma once
// What the window host does with one SDL event: presses of the left mouse
// button are touches (moves count while it is held), the wheel scrolls what
// lies under the pointer, the arrow keys go to the views, the window's focus
// and visibility reach the application's delegate, and closing the window
// ends the run.

#include <functional>

#include "platform/gfx/Geometry.h"
#include "platform/ui/Application.h"

union SDL_Event;

namespace host {

// A position in window units (SDL's mouse coordinates) as points of the
// app's window.
using WindowPointMapper = std::function<gfx::Point(int x, int y)>;

// Delivers the event to the application's window and delegate; sets
// `running` to false when the window is closed.
void deliverWindowEvent(const SDL_Event& event, ui::Application& application, const WindowPointMapper& toPoints,
                        bool& running);

}  // namespace host

#pragma once
// What an X display shows in a window, read back from the X server: the
// pixels a person sees, which the renderer's own read-back need not be.

#include <vector>

struct SDL_Window;

namespace host::testing {

// The window's pixels, row by row; empty when the window is not an X window
// or cannot be read.
std::vector<unsigned long> shownPixels(SDL_Window* window);

}  // namespace host::testing

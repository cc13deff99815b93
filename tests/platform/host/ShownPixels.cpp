#include "ShownPixels.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xutil.h>
#include <dlfcn.h>

namespace host::testing {

std::vector<unsigned long> shownPixels(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) return {};
    // SDL loads the X library itself; the tests are not linked against it.
    void* library = dlopen("libX11.so.6", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) return {};
    auto sync = reinterpret_cast<decltype(&XSync)>(dlsym(library, "XSync"));
    auto getImage = reinterpret_cast<decltype(&XGetImage)>(dlsym(library, "XGetImage"));
    std::vector<unsigned long> pixels;
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window, &width, &height);
    if (sync != nullptr && getImage != nullptr && width > 0 && height > 0) {
        sync(info.info.x11.display, False);
        XImage* image = getImage(info.info.x11.display, info.info.x11.window, 0, 0, static_cast<unsigned>(width),
                                 static_cast<unsigned>(height), AllPlanes, ZPixmap);
        if (image != nullptr) {
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) pixels.push_back(XGetPixel(image, x, y));
            }
            XDestroyImage(image);
        }
    }
    dlclose(library);
    return pixels;
}

}  // namespace host::testing

#pragma once
// Shows an application's window on the desktop with SDL. The window is drawn
// into an image at the display's scale (pixels per point) and shown; mouse
// presses are touches, the arrow keys and the wheel go to the views, and
// closing the window ends the app. A window taller or wider than the display
// is shown smaller, with touches mapped back; a window the window manager
// resizes shows the picture evenly scaled and centred (PicturePlacement.h),
// drawn again at the window's new pixels per point.
//
// With a script, its actions are carried out one per frame, screenshots being
// read back from what the window shows, and the app ends after the last one.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/host/Outcome.h"
#include "platform/host/Script.h"
#include "platform/ui/Application.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
struct SDL_Rect;
union SDL_Event;

namespace gfx {
class ImageSurface;
}

namespace host {

class WindowHost {
public:
    explicit WindowHost(ui::Application& application);
    ~WindowHost();
    WindowHost(const WindowHost&) = delete;
    WindowHost& operator=(const WindowHost&) = delete;

    // Opens the window; false with the reason when SDL cannot, and when there
    // is no display a person could see it on (no DISPLAY or WAYLAND_DISPLAY,
    // or only SDL's off-screen or dummy driver).
    bool open(std::string& error);

    // Runs until the window is closed, or until the script has been carried
    // out; returns the process's exit status (non-zero when a script action
    // could not be carried out, which is said naming the script file and
    // line).
    int run(const std::vector<ScriptAction>* script = nullptr, const std::filesystem::path& scriptFile = {});

private:
    void handle(const SDL_Event& event);
    gfx::Point toPoints(int x, int y) const;
    SDL_Rect placedInPixels() const;
    bool fitPicture(std::string& error);
    void draw();
    void present();
    Outcome screenshot(const std::string& file);

    ui::Application* application_;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    std::unique_ptr<gfx::ImageSurface> surface_;
    bool running_ = false;
    bool sdlStarted_ = false;
    bool pictureWarned_ = false;
};

}  // namespace host

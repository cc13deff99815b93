// SDL events turned into touches, scrolls, key presses and the delegate's
// state changes, without a display: the events are made by hand.

#include <memory>
#include <string>
#include <vector>

#include <SDL.h>
#include <gtest/gtest.h>

#include "platform/gfx/ImageSurface.h"
#include "platform/host/WindowEvents.h"
#include "platform/ui/Window.h"

namespace host {
namespace {

// A view over the whole window that writes down what reaches it.
class Recorder : public ui::View {
public:
    explicit Recorder(std::string& log) : log_(&log) {}
    void touchesBegan(const std::vector<ui::Touch>& t) override { note("down", t[0].windowLocation); }
    void touchesMoved(const std::vector<ui::Touch>& t) override { note("move", t[0].windowLocation); }
    void touchesEnded(const std::vector<ui::Touch>& t) override { note("up", t[0].windowLocation); }
    bool keyDown(ui::Key key) override {
        const char* names[] = {"left", "right", "up", "down"};
        *log_ += std::string("key ") + names[static_cast<int>(key)] + ";";
        return true;
    }
    bool scrollWheel(double dx, double dy) override {
        *log_ += "scroll " + std::to_string(static_cast<int>(dx)) + "," + std::to_string(static_cast<int>(dy)) + ";";
        return true;
    }

private:
    void note(const char* what, gfx::Point p) {
        *log_ += std::string(what) + " " + std::to_string(static_cast<int>(p.x)) + "," +
                 std::to_string(static_cast<int>(p.y)) + ";";
    }
    std::string* log_;
};

class RecordingDelegate : public ui::ApplicationDelegate {
public:
    explicit RecordingDelegate(std::string& log) : log_(&log) {}
    void willResignActive(ui::Application&) override { *log_ += "resign;"; }
    void didBecomeActive(ui::Application&) override { *log_ += "active;"; }
    void didEnterBackground(ui::Application&) override { *log_ += "background;"; }
    void willEnterForeground(ui::Application&) override { *log_ += "foreground;"; }

private:
    std::string* log_;
};

SDL_Event button(Uint32 type, Uint8 which, int x, int y) {
    SDL_Event e{};
    e.type = type;
    e.button.button = which;
    e.button.x = x;
    e.button.y = y;
    return e;
}

SDL_Event motion(Uint32 state, int x, int y) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.state = state;
    e.motion.x = x;
    e.motion.y = y;
    return e;
}

SDL_Event wheel(int dy, Uint32 direction) {
    SDL_Event e{};
    e.type = SDL_MOUSEWHEEL;
    e.wheel.y = dy;
    e.wheel.direction = direction;
    return e;
}

SDL_Event key(SDL_Keycode sym) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.keysym.sym = sym;
    return e;
}

SDL_Event windowEvent(Uint8 what, int data1 = 0, int data2 = 0) {
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = what;
    e.window.data1 = data1;
    e.window.data2 = data2;
    return e;
}

TEST(WindowEvents, BecomeTouchesScrollsKeysAndStateChanges) {
    struct Case {
        SDL_Event event;
        const char* logged;
    };
    // Window units are half points here. The wheel scrolls where the pointer
    // is, which no event here has moved from the corner.
    const Case cases[] = {
        {button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 10, 10), ""},
        {motion(0, 30, 30), ""},
        {button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 20, 40), "down 40,80;"},
        {motion(SDL_BUTTON_LMASK, 30, 50), "move 60,100;"},
        {motion(0, 32, 52), ""},
        {button(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 30, 50), ""},
        {button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 31, 51), "up 62,102;"},
        {wheel(1, SDL_MOUSEWHEEL_NORMAL), "scroll 0,1;"},
        {wheel(1, SDL_MOUSEWHEEL_FLIPPED), "scroll 0,-1;"},
        {key(SDLK_LEFT), "key left;"},
        {key(SDLK_RIGHT), "key right;"},
        {key(SDLK_UP), "key up;"},
        {key(SDLK_DOWN), "key down;"},
        {key(SDLK_a), ""},
        {windowEvent(SDL_WINDOWEVENT_FOCUS_LOST), "resign;"},
        {windowEvent(SDL_WINDOWEVENT_FOCUS_GAINED), "active;"},
        {windowEvent(SDL_WINDOWEVENT_MINIMIZED), "background;"},
        {windowEvent(SDL_WINDOWEVENT_RESTORED), "foreground;"},
        {windowEvent(SDL_WINDOWEVENT_MOVED, 1, 1), ""},
    };
    std::string log;
    auto delegate = std::make_shared<RecordingDelegate>(log);
    delegate->window = std::make_shared<ui::Window>(gfx::Rect::make(0, 0, 200, 200));
    auto recorder = std::make_shared<Recorder>(log);
    recorder->setFrame(delegate->window->bounds());
    delegate->window->addSubview(recorder);
    // Touches on a view that takes none go on to the view it lies in.
    auto cover = std::make_shared<ui::View>();
    cover->setFrame(recorder->bounds());
    recorder->addSubview(cover);
    ui::Application application(delegate);
    const WindowPointMapper doubled = [](int x, int y) { return gfx::Point{2.0 * x, 2.0 * y}; };
    bool running = true;
    gfx::ImageSurface image(200, 200);
    for (const Case& c : cases) {
        log.clear();
        delegate->window->render(image);
        deliverWindowEvent(c.event, application, doubled, running);
        EXPECT_EQ(log, c.logged) << "event " << c.event.type;
        EXPECT_FALSE(delegate->window->needsDisplay()) << "event " << c.event.type;
        EXPECT_TRUE(running);
    }

    // A window shown again, or resized, is drawn again.
    for (Uint8 what : {SDL_WINDOWEVENT_EXPOSED, SDL_WINDOWEVENT_SIZE_CHANGED}) {
        delegate->window->render(image);
        deliverWindowEvent(windowEvent(what), application, doubled, running);
        EXPECT_TRUE(delegate->window->needsDisplay()) << static_cast<int>(what);
    }

    SDL_Event quit{};
    quit.type = SDL_QUIT;
    deliverWindowEvent(quit, application, doubled, running);
    EXPECT_FALSE(running);
}

}  // namespace
}  // namespace host

#include "platform/host/WindowEvents.h"

#include <SDL.h>

namespace host {

void deliverWindowEvent(const SDL_Event& event, ui::Application& application, const WindowPointMapper& toPoints,
                        bool& running) {
    ui::Window& window = *application.window();
    ui::ApplicationDelegate& delegate = application.delegate();
    switch (event.type) {
        case SDL_QUIT:
            running = false;
            break;
        case SDL_WINDOWEVENT:
            switch (event.window.event) {
                case SDL_WINDOWEVENT_FOCUS_LOST:
                    delegate.willResignActive(application);
                    break;
                case SDL_WINDOWEVENT_FOCUS_GAINED:
                    delegate.didBecomeActive(application);
                    break;
                case SDL_WINDOWEVENT_MINIMIZED:
                    delegate.didEnterBackground(application);
                    break;
                case SDL_WINDOWEVENT_RESTORED:
                    delegate.willEnterForeground(application);
                    break;
                case SDL_WINDOWEVENT_EXPOSED:
                case SDL_WINDOWEVENT_SIZE_CHANGED:
                    window.setNeedsDisplay();
                    break;
                default:
                    break;
            }
            break;
        case SDL_MOUSEBUTTONDOWN:
            if (event.button.button == SDL_BUTTON_LEFT) window.touchDown(toPoints(event.button.x, event.button.y));
            break;
        case SDL_MOUSEMOTION:
            if (event.motion.state & SDL_BUTTON_LMASK) window.touchMove(toPoints(event.motion.x, event.motion.y));
            break;
        case SDL_MOUSEBUTTONUP:
            if (event.button.button == SDL_BUTTON_LEFT) window.touchUp(toPoints(event.button.x, event.button.y));
            break;
        case SDL_MOUSEWHEEL: {
            int x = 0;
            int y = 0;
            SDL_GetMouseState(&x, &y);
            const double flip = event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -1.0 : 1.0;
            window.scroll(toPoints(x, y), flip * event.wheel.x, flip * event.wheel.y);
            break;
        }
        case SDL_KEYDOWN:
            switch (event.key.keysym.sym) {
                case SDLK_LEFT:
                    window.keyPress(ui::Key::left);
                    break;
                case SDLK_RIGHT:
                    window.keyPress(ui::Key::right);
                    break;
                case SDLK_UP:
                    window.keyPress(ui::Key::up);
                    break;
                case SDLK_DOWN:
                    window.keyPress(ui::Key::down);
                    break;
                default:
                    break;
            }
            break;
        default:
            break;
    }
}

}  // namespace host

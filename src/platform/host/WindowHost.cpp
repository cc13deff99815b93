#include "platform/host/WindowHost.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <SDL.h>
#include <cairo.h>

#include "platform/gfx/ImageSurface.h"
#include "platform/host/PicturePlacement.h"
#include "platform/host/ScriptRunner.h"
#include "platform/host/WindowEvents.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Warnings.h"

namespace host {

namespace {

// The bounds of the pixels per point of the window's picture: a window too
// large for them shows the picture stretched.
constexpr double kMinScale = 0.25;
constexpr double kMaxScale = 8.0;

const char* const kHeadlessHint = "; --script FILE --headless runs the app without a display";

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// SDL falls back to drivers that draw nowhere a person can see; the app
// would then run unseen and never end.
bool isOffScreenDriver(const char* driver) {
    return driver == nullptr || std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0;
}

SDL_Rect wholePixels(const gfx::Rect& rect) {
    return {static_cast<int>(std::lround(rect.minX())), static_cast<int>(std::lround(rect.minY())),
            static_cast<int>(std::lround(rect.width())), static_cast<int>(std::lround(rect.height()))};
}

}  // namespace

WindowHost::WindowHost(ui::Application& application) : application_(&application) {}

WindowHost::~WindowHost() {
    if (texture_ != nullptr) SDL_DestroyTexture(texture_);
    if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
    if (window_ != nullptr) SDL_DestroyWindow(window_);
    if (sdlStarted_) SDL_Quit();
}

bool WindowHost::open(std::string& error) {
    ui::Window* window = application_->window();
    if (window == nullptr) {
        error = "the application has no window";
        return false;
    }
    // A window needs an X or Wayland display, unless SDL_VIDEODRIVER names a
    // driver that needs neither (kmsdrm on a console, say).
    if (!isSet("SDL_VIDEODRIVER") && !isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY")) {
        error =
            std::string("no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set)") + kHeadlessHint;
        return false;
    }
    // With an X display named and no Wayland one, X alone is tried: should it
    // not answer, SDL would go on to drivers that complain about other things
    // (Wayland about its runtime folder) and end on one that draws off-screen.
    const bool xOnly = !isSet("SDL_VIDEODRIVER") && isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY");
    if (xOnly) SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
    const int started = SDL_Init(SDL_INIT_VIDEO);
    if (xOnly) SDL_ResetHint(SDL_HINT_VIDEODRIVER);  // read by the start alone; the next window chooses afresh
    if (started != 0) {
        error = xOnly ? "cannot open the X display \"" + echoText(std::getenv("DISPLAY")) + "\" (from DISPLAY)"
                      : std::string("cannot open a display: ") + SDL_GetError();
        error += kHeadlessHint;
        return false;
    }
    sdlStarted_ = true;
    if (isOffScreenDriver(SDL_GetCurrentVideoDriver())) {
        const char* driver = SDL_GetCurrentVideoDriver();
        error = std::string("no display to open a window on (only the off-screen video driver \"") +
                (driver != nullptr ? driver : "") + "\")" + kHeadlessHint;
        return false;
    }

    const gfx::Size size = window->bounds().size;
    double fit = 1.0;  // window units per point
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(0, &usable) == 0 && usable.w > 0 && usable.h > 0) {
        fit = std::min({1.0, usable.w / size.width, (usable.h - 32) / size.height});
        fit = std::max(fit, 0.25);
    }
    const int width = static_cast<int>(std::lround(size.width * fit));
    const int height = static_cast<int>(std::lround(size.height * fit));
    window_ = SDL_CreateWindow(ui::applicationName().c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width,
                               height, SDL_WINDOW_ALLOW_HIGHDPI | SDL_WINDOW_SHOWN);
    if (window_ == nullptr) {
        error = std::string("cannot open a window: ") + SDL_GetError() + kHeadlessHint;
        return false;
    }
    renderer_ = SDL_CreateRenderer(window_, -1, 0);
    if (renderer_ == nullptr) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (renderer_ == nullptr) {
        error = std::string("cannot draw in the window: ") + SDL_GetError();
        return false;
    }

    return fitPicture(error);
}

// Pixels per point: the window's own scale (2 on a doubled display) times
// the fit of the picture to the window, so that each pixel of the picture is
// one pixel of the window and text stays crisp at any window size. Layout
// stays in points.
bool WindowHost::fitPicture(std::string& error) {
    const gfx::Size size = application_->window()->bounds().size;
    const SDL_Rect placed = placedInPixels();
    if (surface_ && (placed.w <= 0 || placed.h <= 0)) return true;  // a window of no size keeps its picture
    const double fit = placed.w > 0 && placed.h > 0 ? std::min(placed.w / size.width, placed.h / size.height) : 1.0;
    const double scale = std::clamp(fit, kMinScale, kMaxScale);
    if (surface_ && surface_->scale() == scale) return true;
    auto surface = std::make_unique<gfx::ImageSurface>(size.width, size.height, scale);
    SDL_Texture* texture = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                             surface->pixelWidth(), surface->pixelHeight());
    if (texture == nullptr) {
        error = std::string("cannot make the window's picture: ") + SDL_GetError();
        return false;
    }
    if (texture_ != nullptr) SDL_DestroyTexture(texture_);
    texture_ = texture;
    surface_ = std::move(surface);
    ui::Screen::main().setScale(scale);
    return true;
}

// Mouse positions come in window units, which a doubled display counts apart
// from its pixels.
gfx::Point WindowHost::toPoints(int x, int y) const {
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window_, &width, &height);
    const gfx::Size size = application_->window()->bounds().size;
    const gfx::Rect placed = placedPicture({static_cast<double>(width), static_cast<double>(height)}, size);
    return pointInPicture({static_cast<double>(x), static_cast<double>(y)}, placed, size);
}

SDL_Rect WindowHost::placedInPixels() const {
    int width = 0;
    int height = 0;
    SDL_GetRendererOutputSize(renderer_, &width, &height);
    return wholePixels(placedPicture({static_cast<double>(width), static_cast<double>(height)},
                                     application_->window()->bounds().size));
}

// The picture keeps its shape in a window of any size: evenly scaled and
// centred, the rest of the window white like the app's background. It is
// drawn afresh at the window's scale after a resize; should that fail, the
// picture drawn before is stretched to the new size.
void WindowHost::draw() {
    std::string error;
    if (!fitPicture(error) && !pictureWarned_) {
        ui::warn(error);
        pictureWarned_ = true;
    }
    application_->window()->render(*surface_);
    SDL_UpdateTexture(texture_, nullptr, surface_->data(), surface_->stride());
    SDL_SetRenderDrawColor(renderer_, 255, 255, 255, 255);
    SDL_RenderClear(renderer_);
    const SDL_Rect placed = placedInPixels();
    // A picture drawn for this size is a part pixel larger at most (its sides
    // are rounded up): copied pixel for pixel, without that part.
    SDL_Rect source{0, 0, surface_->pixelWidth(), surface_->pixelHeight()};
    if (source.w - placed.w >= 0 && source.w - placed.w <= 1 && source.h - placed.h >= 0 && source.h - placed.h <= 1) {
        source.w = placed.w;
        source.h = placed.h;
    }
    SDL_RenderCopy(renderer_, texture_, &source, &placed);
}

void WindowHost::present() {
    SDL_RenderPresent(renderer_);
}

Outcome WindowHost::screenshot(const std::string& file) {
    // Read back what the window shows (before it is presented, as SDL asks).
    // Only the picture, without the background around it.
    draw();
    const SDL_Rect placed = placedInPixels();
    const int width = placed.w;
    const int height = placed.h;
    const int stride = cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, width);
    std::vector<unsigned char> pixels(static_cast<std::size_t>(stride) * height);
    if (SDL_RenderReadPixels(renderer_, &placed, SDL_PIXELFORMAT_ARGB8888, pixels.data(), stride) != 0) {
        present();
        return Outcome::failure(std::string("cannot read the window's pixels: ") + SDL_GetError());
    }
    present();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) pixels[static_cast<std::size_t>(y) * stride + 4 * x + 3] = 0xff;
    }
    cairo_surface_t* image =
        cairo_image_surface_create_for_data(pixels.data(), CAIRO_FORMAT_ARGB32, width, height, stride);
    std::error_code ec;
    const std::filesystem::path path(file);
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), ec);
    const cairo_status_t status = cairo_surface_write_to_png(image, file.c_str());
    cairo_surface_destroy(image);
    if (status != CAIRO_STATUS_SUCCESS) return Outcome::failure("cannot write the screenshot " + echoText(file));
    return Outcome::success();
}

void WindowHost::handle(const SDL_Event& event) {
    deliverWindowEvent(
        event, *application_, [this](int x, int y) { return toPoints(x, y); }, running_);
}

int WindowHost::run(const std::vector<ScriptAction>* script, const std::filesystem::path& scriptFile) {
    ui::Window& window = *application_->window();
    ScriptRunner runner(
        window, [this](const std::filesystem::path& file) { return screenshot(file.string()); }, scriptFile);
    std::size_t next = 0;
    int status = 0;
    running_ = true;
    window.setNeedsDisplay();
    while (running_) {
        window.layoutIfNeeded();
        if (window.needsDisplay()) {
            draw();
            present();
        }
        if (script != nullptr) {
            if (next == script->size()) break;
            const Outcome outcome = runner.perform((*script)[next++]);
            if (!outcome.ok) {
                ui::warn(outcome.message);
                status = 1;
                break;
            }
        }
        SDL_Event event;
        if (SDL_WaitEventTimeout(&event, script != nullptr ? 10 : 100) != 0) {
            handle(event);
            while (running_ && SDL_PollEvent(&event) != 0) handle(event);
        }
    }
    running_ = false;
    return status;
}

}  // namespace host

#pragma once
// Runs a window off-screen: works it through a WindowDriver and draws it into
// an image at a chosen scale for screenshots.

#include <filesystem>
#include <memory>
#include <vector>

#include "platform/gfx/ImageSurface.h"
#include "platform/host/Outcome.h"
#include "platform/host/Script.h"
#include "platform/host/WindowDriver.h"

namespace host {

class HeadlessHost {
public:
    explicit HeadlessHost(ui::Window& window, double scale = 2.0);

    WindowDriver& driver() { return driver_; }
    Outcome tap(gfx::Point point) { return driver_.tap(point); }
    Outcome tapButton(const std::string& title) { return driver_.tapButton(title); }
    Outcome back() { return driver_.back(); }

    // The window as it looks now (laid out and drawn afresh).
    gfx::ImageSurface& render();
    // Writes render() to a PNG file, making its folder if needed.
    Outcome screenshot(const std::filesystem::path& file);

    // Carries out the actions in order and stops at the first that fails.
    // The window is drawn once before each action; a screenshot writes that
    // frame. A failure names the script file (empty for none) and line.
    Outcome run(const std::vector<ScriptAction>& actions, const std::filesystem::path& scriptFile = {});

private:
    WindowDriver driver_;
    double scale_;
    std::unique_ptr<gfx::ImageSurface> surface_;
};

// Writes a PNG of a surface, making the file's folder if needed.
Outcome writePng(const gfx::ImageSurface& surface, const std::filesystem::path& file);

}  // namespace host

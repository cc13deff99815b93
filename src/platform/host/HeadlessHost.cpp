#include "platform/host/HeadlessHost.h"

#include <system_error>

#include "platform/host/ScriptRunner.h"

namespace host {

HeadlessHost::HeadlessHost(ui::Window& window, double scale) : driver_(window), scale_(scale) {}

gfx::ImageSurface& HeadlessHost::render() {
    ui::Window& window = driver_.window();
    const gfx::Size size = window.bounds().size;
    if (!surface_ || surface_->size() != size) {
        surface_ = std::make_unique<gfx::ImageSurface>(size.width, size.height, scale_);
    }
    window.render(*surface_);
    return *surface_;
}

Outcome HeadlessHost::screenshot(const std::filesystem::path& file) {
    return writePng(render(), file);
}

Outcome HeadlessHost::run(const std::vector<ScriptAction>& actions, const std::filesystem::path& scriptFile) {
    // A screenshot is the frame drawn just before it, as a window shows it.
    ScriptRunner runner(
        driver_.window(), [this](const std::filesystem::path& file) { return writePng(*surface_, file); }, scriptFile);
    for (const ScriptAction& action : actions) {
        // A window draws each frame before it takes the next input; views that
        // learn their contents while drawing (the step view counts its steps
        // then) must see the same order here.
        render();
        Outcome outcome = runner.perform(action);
        if (!outcome.ok) return outcome;
    }
    return Outcome::success();
}

Outcome writePng(const gfx::ImageSurface& surface, const std::filesystem::path& file) {
    std::error_code ec;
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ec);
    if (!surface.writePng(file.string())) {
        return Outcome::failure("cannot write the screenshot " + echoText(file.string()));
    }
    return Outcome::success();
}

}  // namespace host

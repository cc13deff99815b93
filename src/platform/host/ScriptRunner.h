#pragma once
// Carries out the actions of a script on a window, one at a time, through a
// WindowDriver; screenshots are left to the host, which knows where the
// pictures are.

#include <filesystem>
#include <functional>

#include "platform/host/Outcome.h"
#include "platform/host/Script.h"
#include "platform/host/WindowDriver.h"

namespace host {

class ScriptRunner {
public:
    using Screenshot = std::function<Outcome(const std::filesystem::path& file)>;

    ScriptRunner(ui::Window& window, Screenshot screenshot) : driver_(window), screenshot_(std::move(screenshot)) {}

    // On failure the message names the script line and the action.
    Outcome perform(const ScriptAction& action);

private:
    WindowDriver driver_;
    Screenshot screenshot_;
};

}  // namespace host

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

    // The script's file names where a failed action stands; empty for none.
    ScriptRunner(ui::Window& window, Screenshot screenshot, std::filesystem::path scriptFile = {})
        : driver_(window), screenshot_(std::move(screenshot)), scriptFile_(std::move(scriptFile)) {}

    // On failure the message starts as a reading error does, with the script
    // file and line (scriptPlace).
    Outcome perform(const ScriptAction& action);

private:
    WindowDriver driver_;
    Screenshot screenshot_;
    std::filesystem::path scriptFile_;
};

}  // namespace host

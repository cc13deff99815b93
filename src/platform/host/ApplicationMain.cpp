#include "platform/host/ApplicationMain.h"

#include <cstdio>

#include "platform/host/HeadlessHost.h"
#include "platform/host/Script.h"
#include "platform/host/WindowHost.h"
#include "platform/ui/Application.h"
#include "platform/ui/Bundle.h"
#include "platform/ui/Device.h"
#include "platform/ui/Screen.h"
#include "platform/ui/UserDefaults.h"
#include "platform/ui/Warnings.h"

namespace ui {

int applicationMain(int argc, char** argv, const std::string& applicationName, const DelegateFactory& makeDelegate) {
    setApplicationName(applicationName);
    const std::string program = argc > 0 && argv[0] != nullptr ? argv[0] : applicationName;
    const host::ParsedOptions parsed = host::parseCommandLine(argc, argv);
    if (!parsed.error.empty()) {
        warn(parsed.error);
        std::fputs(host::usage(program).c_str(), stderr);
        return 2;
    }
    if (parsed.options.help) {
        std::fputs(host::usage(program).c_str(), stdout);
        return 0;
    }
    return host::runApplication(parsed.options, makeDelegate);
}

}  // namespace ui

namespace host {

namespace {

int fail(const std::string& message) {
    ui::warn(message);
    return 1;
}

}  // namespace

int runApplication(const Options& options, const ui::DelegateFactory& makeDelegate) {
    const DeviceProfile device = deviceProfile(options.device);
    ui::Screen::main().setBounds({{0.0, 0.0}, device.size});
    ui::Device::current().setModel(device.model);
    if (!options.preferencesFile.empty()) ui::UserDefaults::setStandardFile(options.preferencesFile);

    std::vector<ScriptAction> script;
    if (!options.scriptFile.empty()) {
        ParsedScript parsed = loadScript(options.scriptFile);
        if (!parsed.error.empty()) return fail(parsed.error);
        script = std::move(parsed.actions);
    }

    std::filesystem::path storyboard = options.storyboardFile;
    if (storyboard.empty()) {
        const auto found = ui::Bundle::main().urlForResource("Main.storyboard", "json");
        if (!found) {
            const std::string where = ui::Bundle::main().resourcePath().empty()
                                          ? "no resources folder was found"
                                          : "not in " + ui::Bundle::main().resourcePath().string();
            return fail("cannot find the storyboard Main.storyboard.json (" + where + ")");
        }
        storyboard = *found;
    }

    ui::Application application(makeDelegate ? makeDelegate() : nullptr);
    std::string error;
    if (!application.launch(storyboard, error)) return fail(error);

    int status = 0;
    if (options.headless) {
        application.delegate().didBecomeActive(application);
        ui::Screen::main().setScale(options.scale);
        HeadlessHost headless(*application.window(), options.scale);
        const Outcome outcome = headless.run(script, options.scriptFile);
        if (!outcome.ok) status = fail(outcome.message);
    } else {
        WindowHost window(application);
        if (!window.open(error)) {
            application.terminate();
            return fail(error);
        }
        status = window.run(options.scriptFile.empty() ? nullptr : &script, options.scriptFile);
    }
    application.terminate();
    return status;
}

}  // namespace host

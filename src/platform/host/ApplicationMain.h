#pragma once
// The entry of the app: takes the app's name (it leads every warning, titles
// the window and names the preferences and resources folders; see
// Warnings.h), reads the command line (see Options.h), sets up the device,
// the preferences file and the resources, launches the application with a
// delegate from the factory, and runs it in a window or headless.
// Returns the process's exit status: 0 when all went well, 1 when the app
// could not start or a script action could not be carried out, 2 for a
// command line that is not understood. Messages go to stderr.

#include <functional>
#include <memory>
#include <string>

#include "platform/host/Options.h"
#include "platform/ui/ApplicationDelegate.h"

namespace ui {

using DelegateFactory = std::function<std::shared_ptr<ApplicationDelegate>()>;

int applicationMain(int argc, char** argv, const std::string& applicationName, const DelegateFactory& makeDelegate);

}  // namespace ui

namespace host {

// The same, with the options already made.
int runApplication(const Options& options, const ui::DelegateFactory& makeDelegate);

}  // namespace host

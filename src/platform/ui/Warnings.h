#pragma once
// The one way the platform layer and the app report a problem to the person at
// the terminal: one line on stderr, led by the application's name. The app
// gives its name once at start-up; until then the lines are led by "app".

#include <string>

namespace ui {

void setApplicationName(std::string name);
const std::string& applicationName();

// Writes "NAME: message" and a newline to stderr.
void warn(const std::string& message);

}  // namespace ui

#pragma once
// What the command line chooses: the device (a phone, the default, or a
// tablet: the window's size in points and the device model), the preferences
// file, and whether the app runs in a window or headless from a script.
//
//   PROGRAM [--device phone|tablet] [--preferences FILE]
//           [--script FILE [--headless] [--scale N]]
//
// With --script the actions of the file are carried out (in the window, or
// off-screen with --headless) and the app ends after the last one; --scale
// sets the pixels per point of headless screenshots (2 by default).

#include <filesystem>
#include <string>

#include "platform/gfx/Geometry.h"

namespace host {

enum class DeviceKind { phone, tablet };

struct DeviceProfile {
    gfx::Size size;
    std::string model;
};

DeviceProfile deviceProfile(DeviceKind kind);

struct Options {
    DeviceKind device = DeviceKind::phone;
    std::filesystem::path preferencesFile;  // empty: the default place
    std::filesystem::path scriptFile;       // empty: no script
    bool headless = false;
    double scale = 2.0;                    // headless screenshots
    std::filesystem::path storyboardFile;  // empty: Main.storyboard.json of the resources
    bool help = false;
};

struct ParsedOptions {
    Options options;
    std::string error;  // empty when the command line was understood
};

ParsedOptions parseCommandLine(int argc, const char* const* argv);

// The usage text printed for --help and after an error.
std::string usage(const std::string& program);

}  // namespace host

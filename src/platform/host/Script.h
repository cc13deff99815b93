#pragma once
// A script of actions for a host to carry out, one a line:
//
//   tap X Y              a tap at a point of the window (in points)
//   tap-button TITLE     a tap on the shown button with this title; quote the
//                        title ("intro ") to keep blanks at its ends
//   back                 a tap on the navigation bar's back button
//   screenshot FILE      the window as a PNG file
//
// Blank lines and lines starting with # are skipped.

#include <filesystem>
#include <string>
#include <vector>

#include "platform/gfx/Geometry.h"

namespace host {

struct ScriptAction {
    enum class Kind { tap, tapButton, back, screenshot };
    Kind kind = Kind::tap;
    gfx::Point point;  // tap
    std::string text;  // tapButton: the title; screenshot: the file
    int line = 0;      // where it stands in the script, from 1
};

struct ParsedScript {
    std::vector<ScriptAction> actions;
    std::string error;  // empty when every line was understood
};

ParsedScript parseScript(const std::string& text);

// Reads and parses a script file. A file that cannot be read whole (missing,
// unreadable, a folder) is an error that names the file and the reason, as is
// a line that cannot be understood.
ParsedScript loadScript(const std::filesystem::path& file);

// e.g. `tap-button "🤔"`
std::string describe(const ScriptAction& action);

}  // namespace host

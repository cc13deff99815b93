#pragma once
// A script of actions for a host to carry out, one a line:
//
//   tap X Y              a tap at a point of the window (in points)
//   tap-button TITLE     a tap on the shown button with this title; quote the
//                        title ("intro ") to keep blanks at its ends
//   back                 a tap on the navigation bar's back button
//   screenshot FILE      the window as a PNG file
//
// Blank lines and lines starting with # are skipped. A script is read a
// piece at a time and never held whole: a line longer than
// kMaxScriptLineLength bytes is refused as soon as it is seen, naming its
// number, and so is a script larger than kMaxScriptSize bytes, so that an
// endless or huge input costs no more memory than a script of that size.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
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

inline constexpr std::size_t kMaxScriptLineLength = 4096;
inline constexpr std::size_t kMaxScriptSize = 1024 * 1024;

ParsedScript parseScript(std::string_view text);

// Reads and parses a script file. A file that cannot be read whole (missing,
// unreadable, a folder) is an error that names the file and the reason, as is
// a line that cannot be understood.
ParsedScript loadScript(const std::filesystem::path& file);

// The action's word: "tap", "tap-button", "back" or "screenshot".
const char* verb(ScriptAction::Kind kind);

// e.g. `tap-button "🤔"`, its text as echoText shows it.
std::string describe(const ScriptAction& action);

// A text taken from a script, as a message shows it: its first 80
// characters, with "…" after them when it is longer, and every control
// character escaped (\e, \a, \n, \x01, \u009b, and \xff for a byte that is not
// UTF-8), so that nothing echoed to a terminal acts on it.
std::string echoText(std::string_view text);

}  // namespace host

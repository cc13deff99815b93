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
#include <utility>
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

// The text without the blanks (spaces and tabs) at its ends: an action's
// argument as read, and a button's title as a script matches it.
std::string withoutEndBlanks(std::string_view text);

// Where a message about a script points: "FILE, line N: ", or "line N: " for
// a script without a file name. Reading errors and failed actions alike
// start with it.
std::string scriptPlace(const std::filesystem::path& file, int line);

// Takes a script a piece at a time, as it is read, and each line as soon as
// its newline arrives, holding no more than the line being read besides the
// actions. A bound is met at the same line however the text is cut into
// pieces.
class ScriptParser {
public:
    // The file's name leads the error message; empty for none.
    explicit ScriptParser(std::filesystem::path file = {}) : file_(std::move(file)) {}

    // Takes the next piece of the text; false once the script is refused.
    bool feed(std::string_view piece);

    // The script read, once every piece has been fed.
    ParsedScript finish();

private:
    std::string where() const;
    bool refuse(std::string error);
    // Parses the line held, the next one of the script.
    bool takeLine();

    std::filesystem::path file_;
    ParsedScript parsed_;
    std::string line_;
    std::size_t size_ = 0;
    int number_ = 0;  // lines taken
};

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

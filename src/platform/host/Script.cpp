#include "platform/host/Script.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <sstream>

#include <fcntl.h>
#include <unistd.h>

namespace host {

namespace {

std::string trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool parseNumber(const std::string& text, double& into) {
    const auto result = std::from_chars(text.data(), text.data() + text.size(), into);
    return result.ec == std::errc{} && result.ptr == text.data() + text.size() && std::isfinite(into);
}

// The argument of an action: the rest of the line, trimmed, unquoted.
std::string argument(const std::string& rest) {
    std::string text = trim(rest);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') text = text.substr(1, text.size() - 2);
    return text;
}

// The whole file; empty with the reason in `error` when it cannot be read
// (reading a folder fails with "Is a directory").
std::string readWhole(const std::filesystem::path& file, std::string& error) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = std::strerror(errno);
        return {};
    }
    std::string text;
    char buffer[4096];
    while (true) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) error = std::strerror(errno);
        if (n <= 0) break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return error.empty() ? text : std::string();
}

}  // namespace

ParsedScript loadScript(const std::filesystem::path& file) {
    std::string error;
    const std::string text = readWhole(file, error);
    if (!error.empty()) return {{}, "cannot read the script " + file.string() + ": " + error};
    ParsedScript parsed = parseScript(text);
    if (!parsed.error.empty()) parsed.error = file.string() + ", " + parsed.error;
    return parsed;
}

ParsedScript parseScript(const std::string& text) {
    ParsedScript parsed;
    std::istringstream lines(text);
    std::string raw;
    int number = 0;
    while (std::getline(lines, raw)) {
        ++number;
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        const std::string line = trim(raw);
        if (line.empty() || line.front() == '#') continue;
        const auto space = line.find_first_of(" \t");
        const std::string verb = line.substr(0, space);
        const std::string rest = space == std::string::npos ? std::string() : line.substr(space);
        const std::string where = "line " + std::to_string(number) + ": ";

        ScriptAction action;
        action.line = number;
        if (verb == "tap") {
            std::istringstream words(rest);
            std::string x, y, extra;
            words >> x >> y >> extra;
            if (!parseNumber(x, action.point.x) || !parseNumber(y, action.point.y) || !extra.empty()) {
                parsed.error = where + "tap takes two numbers, X and Y";
                return parsed;
            }
            action.kind = ScriptAction::Kind::tap;
        } else if (verb == "tap-button") {
            action.kind = ScriptAction::Kind::tapButton;
            action.text = argument(rest);
            if (action.text.empty()) {
                parsed.error = where + "tap-button needs a title";
                return parsed;
            }
        } else if (verb == "back") {
            if (!trim(rest).empty()) {
                parsed.error = where + "back takes nothing after it";
                return parsed;
            }
            action.kind = ScriptAction::Kind::back;
        } else if (verb == "screenshot") {
            action.kind = ScriptAction::Kind::screenshot;
            action.text = argument(rest);
            if (action.text.empty()) {
                parsed.error = where + "screenshot needs a file name";
                return parsed;
            }
        } else {
            parsed.error = where + "unknown action \"" + verb + "\" (tap, tap-button, back or screenshot)";
            return parsed;
        }
        parsed.actions.push_back(std::move(action));
    }
    return parsed;
}

std::string describe(const ScriptAction& action) {
    switch (action.kind) {
        case ScriptAction::Kind::tap: {
            std::ostringstream text;
            text << "tap " << action.point.x << " " << action.point.y;
            return text.str();
        }
        case ScriptAction::Kind::tapButton:
            return "tap-button \"" + action.text + "\"";
        case ScriptAction::Kind::back:
            return "back";
        case ScriptAction::Kind::screenshot:
            return "screenshot " + action.text;
    }
    return "?";
}

}  // namespace host

#include "platform/host/Script.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <sstream>

#include <fcntl.h>
#include <unistd.h>

#include "platform/gfx/Utf8.h"

namespace host {

namespace {

bool parseNumber(const std::string& text, double& into) {
    const auto result = std::from_chars(text.data(), text.data() + text.size(), into);
    return result.ec == std::errc{} && result.ptr == text.data() + text.size() && std::isfinite(into);
}

// The argument of an action: the rest of the line, trimmed, unquoted.
std::string argument(const std::string& rest) {
    std::string text = withoutEndBlanks(rest);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') text = text.substr(1, text.size() - 2);
    return text;
}

// A file is read this many bytes at a time.
constexpr std::size_t kPiece = 4096;

// "\e", "\x01": a control character as a message shows it.
std::string escaped(unsigned char c) {
    switch (c) {
        case '\a':
            return "\\a";
        case '\b':
            return "\\b";
        case '\t':
            return "\\t";
        case '\n':
            return "\\n";
        case '\v':
            return "\\v";
        case '\f':
            return "\\f";
        case '\r':
            return "\\r";
        case 0x1B:
            return "\\e";
        default: {
            char text[8];
            std::snprintf(text, sizeof text, "\\x%02x", c);
            return text;
        }
    }
}

}  // namespace

std::string withoutEndBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

std::string scriptPlace(const std::filesystem::path& file, int line) {
    const std::string place = "line " + std::to_string(line) + ": ";
    return file.empty() ? place : file.string() + ", " + place;
}

bool ScriptParser::feed(std::string_view piece) {
    if (!parsed_.error.empty()) return false;
    // Only the bytes within the bound are taken, so that the first byte past
    // it names the line it falls on however the text was cut into pieces.
    const bool tooLarge = piece.size() > kMaxScriptSize - size_;
    if (tooLarge) piece = piece.substr(0, kMaxScriptSize - size_);
    size_ += piece.size();
    while (!piece.empty()) {
        const std::size_t newline = piece.find('\n');
        const std::string_view part = piece.substr(0, newline);
        if (line_.size() + part.size() > kMaxScriptLineLength) {
            return refuse(where() + "the line is longer than " + std::to_string(kMaxScriptLineLength) + " bytes");
        }
        line_.append(part);
        if (newline == std::string_view::npos) break;
        if (!takeLine()) return false;
        piece.remove_prefix(newline + 1);
    }
    if (tooLarge) return refuse(where() + "the script is larger than " + std::to_string(kMaxScriptSize) + " bytes");
    return true;
}

ParsedScript ScriptParser::finish() {
    if (parsed_.error.empty() && !line_.empty()) takeLine();
    return std::move(parsed_);
}

std::string ScriptParser::where() const {
    return scriptPlace(file_, number_ + 1);
}

bool ScriptParser::refuse(std::string error) {
    parsed_.error = std::move(error);
    return false;
}

bool ScriptParser::takeLine() {
    const std::string at = where();
    ++number_;
    std::string raw = std::move(line_);
    line_.clear();
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    const std::string line = withoutEndBlanks(raw);
    if (line.empty() || line.front() == '#') return true;
    const auto space = line.find_first_of(" \t");
    const std::string verbText = line.substr(0, space);
    const std::string rest = space == std::string::npos ? std::string() : line.substr(space);

    ScriptAction action;
    action.line = number_;
    if (verbText == "tap") {
        std::istringstream words(rest);
        std::string x, y, extra;
        words >> x >> y >> extra;
        if (!parseNumber(x, action.point.x) || !parseNumber(y, action.point.y) || !extra.empty()) {
            return refuse(at + "tap takes two numbers, X and Y");
        }
        action.kind = ScriptAction::Kind::tap;
    } else if (verbText == "tap-button") {
        action.kind = ScriptAction::Kind::tapButton;
        action.text = argument(rest);
        if (action.text.empty()) return refuse(at + "tap-button needs a title");
    } else if (verbText == "back") {
        if (!withoutEndBlanks(rest).empty()) return refuse(at + "back takes nothing after it");
        action.kind = ScriptAction::Kind::back;
    } else if (verbText == "screenshot") {
        action.kind = ScriptAction::Kind::screenshot;
        action.text = argument(rest);
        if (action.text.empty()) return refuse(at + "screenshot needs a file name");
    } else {
        return refuse(at + "unknown action \"" + echoText(verbText) + "\" (tap, tap-button, back or screenshot)");
    }
    parsed_.actions.push_back(std::move(action));
    return true;
}

ParsedScript loadScript(const std::filesystem::path& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return {{}, "cannot read the script " + file.string() + ": " + std::strerror(errno)};
    ScriptParser parser(file);
    std::string error;
    char buffer[kPiece];
    while (true) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) error = std::strerror(errno);  // reading a folder fails with "Is a directory"
        if (n <= 0 || !parser.feed(std::string_view(buffer, static_cast<std::size_t>(n)))) break;
    }
    ::close(fd);
    if (!error.empty()) return {{}, "cannot read the script " + file.string() + ": " + error};
    return parser.finish();
}

ParsedScript parseScript(std::string_view text) {
    // In pieces as a file is read, so that a bound is met at the same line.
    ScriptParser parser;
    for (std::size_t at = 0; at < text.size(); at += kPiece) {
        if (!parser.feed(text.substr(at, kPiece))) break;
    }
    return parser.finish();
}

const char* verb(ScriptAction::Kind kind) {
    switch (kind) {
        case ScriptAction::Kind::tap:
            return "tap";
        case ScriptAction::Kind::tapButton:
            return "tap-button";
        case ScriptAction::Kind::back:
            return "back";
        case ScriptAction::Kind::screenshot:
            return "screenshot";
    }
    return "?";
}

std::string echoText(std::string_view text) {
    constexpr std::size_t kShownCharacters = 80;
    std::string shown;
    std::size_t at = 0;
    for (std::size_t count = 0; at < text.size() && count < kShownCharacters; ++count) {
        const auto c = static_cast<unsigned char>(text[at]);
        const std::size_t length = gfx::utf8SequenceLength(text, at);
        if (length == 0 || (length == 1 && (c < 0x20 || c == 0x7F))) {
            shown += escaped(c);
            ++at;
        } else if (c == 0xC2 && static_cast<unsigned char>(text[at + 1]) < 0xA0) {
            // U+0080 to U+009F, the C1 controls.
            char code[8];
            std::snprintf(code, sizeof code, "\\u%04x", static_cast<unsigned char>(text[at + 1]));
            shown += code;
            at += 2;
        } else {
            shown.append(text, at, length);
            at += length;
        }
    }
    if (at < text.size()) shown += "\u2026";
    return shown;
}

std::string describe(const ScriptAction& action) {
    switch (action.kind) {
        case ScriptAction::Kind::tap: {
            std::ostringstream text;
            text << "tap " << action.point.x << " " << action.point.y;
            return text.str();
        }
        case ScriptAction::Kind::tapButton:
            return "tap-button \"" + echoText(action.text) + "\"";
        case ScriptAction::Kind::back:
        case ScriptAction::Kind::screenshot:
            return verb(action.kind) + (action.text.empty() ? "" : " " + echoText(action.text));
    }
    return "?";
}

}  // namespace host

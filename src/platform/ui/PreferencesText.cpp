#include "platform/ui/PreferencesText.h"

#include <optional>
#include <string_view>

#include <nlohmann/json.hpp>

namespace ui {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

std::size_t skipBlanks(const std::string& text, std::size_t at) {
    while (at < text.size() && isBlank(text[at])) ++at;
    return at;
}

// One past the closing quote of the string that opens at `at`.
std::size_t stringEnd(const std::string& text, std::size_t at) {
    for (++at; at < text.size(); ++at) {
        if (text[at] == '\\') {
            ++at;
        } else if (text[at] == '"') {
            return at + 1;
        }
    }
    return text.size();
}

// Appends the string that opens at `at` to `out` as written; `at` is left
// past its closing quote.
void copyString(const std::string& text, std::size_t& at, std::string& out) {
    const std::size_t end = stringEnd(text, at);
    out.append(text, at, end - at);
    at = end;
}

// The value that starts at `at`, without the blanks outside its strings;
// `at` is left at the comma or brace after it.
std::string compactValue(const std::string& text, std::size_t& at) {
    std::string value;
    int depth = 0;
    while (at < text.size()) {
        const char c = text[at];
        if (c == '"') {
            copyString(text, at, value);
            continue;
        }
        if (depth == 0 && (c == ',' || c == '}')) break;
        if (c == '[' || c == '{') ++depth;
        if (c == ']' || c == '}') --depth;
        if (!isBlank(c)) value += c;
        ++at;
    }
    return value;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t digitsEnd(const std::string& text, std::size_t at) {
    while (at < text.size() && isDigit(text[at])) ++at;
    return at;
}

// One past the JSON number that starts at `at`; npos when what starts there
// is not one (a leading zero followed by digits ends the number after it).
std::size_t numberEnd(const std::string& text, std::size_t at) {
    if (at < text.size() && text[at] == '-') ++at;
    if (at >= text.size() || !isDigit(text[at])) return std::string::npos;
    at = text[at] == '0' ? at + 1 : digitsEnd(text, at);
    if (at < text.size() && text[at] == '.') {
        if (at + 1 >= text.size() || !isDigit(text[at + 1])) return std::string::npos;
        at = digitsEnd(text, at + 1);
    }
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
        if (at >= text.size() || !isDigit(text[at])) return std::string::npos;
        at = digitsEnd(text, at);
    }
    return at;
}

// The text with every number outside strings written as 0; none when one is
// malformed. The JSON library refuses a number beyond a double's range,
// which JSON itself allows; written as 0 it is checked for its place alone.
std::optional<std::string> withNumbersAsZero(const std::string& text) {
    std::string checked;
    checked.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        const char c = text[at];
        if (c == '"') {
            copyString(text, at, checked);
        } else if (c == '-' || isDigit(c)) {
            // Outside strings only numbers hold these, and no number runs
            // straight into another's characters ("1e5.5", "1-2").
            at = numberEnd(text, at);
            if (at == std::string::npos) return std::nullopt;
            if (at < text.size() && std::string_view("0123456789+-.eE").find(text[at]) != std::string_view::npos) {
                return std::nullopt;
            }
            checked += '0';
        } else {
            checked += c;
            ++at;
        }
    }
    return checked;
}

}  // namespace

bool isJsonObject(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos || text[first] != '{') return false;
    const std::optional<std::string> checked = withNumbersAsZero(text);
    return checked && nlohmann::json::accept(*checked);
}

PreferencesMembers preferencesMembers(const std::string& text) {
    PreferencesMembers members;
    std::size_t at = skipBlanks(text, 0) + 1;  // past "{"
    while (true) {
        at = skipBlanks(text, at);
        if (at >= text.size() || text[at] != '"') break;  // "}": the end
        const std::size_t nameEnd = stringEnd(text, at);
        const nlohmann::json name = nlohmann::json::parse(text.substr(at, nameEnd - at), nullptr, false);
        at = skipBlanks(text, nameEnd) + 1;  // past ":"
        at = skipBlanks(text, at);
        std::string value = compactValue(text, at);
        if (name.is_string()) members[name.get<std::string>()] = std::move(value);
        if (at < text.size() && text[at] == ',') ++at;
    }
    return members;
}

std::string preferencesText(const PreferencesMembers& members) {
    std::string text = "{";
    for (const auto& [name, value] : members) {
        if (text.size() > 1) text += ',';
        text += nlohmann::json(name).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
        text += ':';
        text += value;
    }
    return text + "}\n";
}

}  // namespace ui

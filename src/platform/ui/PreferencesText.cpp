#include "platform/ui/PreferencesText.h"

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

// The value that starts at `at`, without the blanks outside its strings;
// `at` is left at the comma or brace after it.
std::string compactValue(const std::string& text, std::size_t& at) {
    std::string value;
    int depth = 0;
    while (at < text.size()) {
        const char c = text[at];
        if (c == '"') {
            const std::size_t end = stringEnd(text, at);
            value.append(text, at, end - at);
            at = end;
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

}  // namespace

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

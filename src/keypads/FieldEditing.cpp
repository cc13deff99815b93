#include "keypads/FieldEditing.h"

#include "algebra/TextFunctions.h"

namespace duolinear {

namespace {

bool startsWith(const std::string& text, std::string_view prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool containsPoint(const std::string& text) {
    return text.find('.') != std::string::npos;
}

long long characterCount(const std::string& text) {
    return static_cast<long long>(characterStrings(text).size());
}

std::string digitText(int digit) {
    return std::string(1, static_cast<char>('0' + digit));
}

}  // namespace

std::string integerFieldAfterDigit(const std::string& text, int digit, const DigitLimit& maxDigits) {
    if (text == "-0") return "-" + digitText(digit);
    if (text == "0") return digitText(digit);
    const std::optional<int> limit = maxDigits ? maxDigits() : std::nullopt;
    if (!limit) return text;
    const long long room = static_cast<long long>(*limit) + (startsWith(text, "-") ? 1 : 0);
    return characterCount(text) < room ? text + digitText(digit) : text;
}

std::string realFieldAfterDigit(const std::string& text, int digit, int maxDigits) {
    const bool negative = startsWith(text, "-");
    long long limit = static_cast<long long>(maxDigits) + (negative ? 1 : 0);
    if (containsPoint(text)) limit += 1;
    if (startsWith(text, negative ? "-0" : "0")) limit += 1;
    if (text == (negative ? "-0" : "0")) return (negative ? "-" : "") + digitText(digit);
    return characterCount(text) < limit ? text + digitText(digit) : text;
}

std::string realFieldAfterPoint(const std::string& text) {
    return containsPoint(text) ? text : text + ".";
}

std::string fieldAfterDelete(const std::string& text) {
    std::vector<std::string> characters = characterStrings(text);
    if (startsWith(text, "-") && characters.size() == 2) return "-0";
    if (characters.size() <= 1 && !startsWith(text, "-")) return "0";
    characters.pop_back();
    std::string shorter;
    for (const std::string& character : characters) shorter += character;
    return shorter;
}

std::string fieldAfterSignChange(const std::string& text) {
    return startsWith(text, "-") ? text.substr(1) : "-" + text;
}

std::string clearedField() {
    return "0";
}

std::string entryForHandOver(const std::string& text) {
    return text == "-0" ? "0" : text;
}

}  // namespace duolinear

#include "algebra/TextFunctions.h"

#include <algorithm>
#include <array>

namespace duolinear {

namespace {

struct CodePoint {
    char32_t value = 0;
    std::size_t begin = 0;  // the first byte; a point ends where the next begins
};

// The code point that starts at byte i, and the bytes it takes; a malformed
// byte stands alone as U+FFFD.
struct Decoded {
    char32_t value = 0;
    std::size_t length = 1;
};

Decoded decodeAt(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 1;
    char32_t value = lead;
    if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
    } else if (lead >= 0x80) {
        length = 0;
    }
    bool valid = length > 0 && i + length <= text.size();
    for (std::size_t k = 1; valid && k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        valid = (next & 0xC0) == 0x80;
        value = (value << 6) | (next & 0x3F);
    }
    if (!valid) return {0xFFFD, 1};
    return {value, length};
}

// UTF-8 decoding of a whole text.
std::vector<CodePoint> decodeUtf8(std::string_view text) {
    std::vector<CodePoint> points;
    points.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const Decoded point = decodeAt(text, i);
        points.push_back({point.value, i});
        i += point.length;
    }
    return points;
}

bool isControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

bool isRegionalIndicator(char32_t c) {
    return c >= 0x1F1E6 && c <= 0x1F1FF;
}

constexpr char32_t kZeroWidthJoiner = 0x200D;

// Code points that extend the character before them: combining marks,
// joiners, variation selectors, emoji modifiers and tag characters.
bool isExtend(char32_t c) {
    static constexpr std::array<std::pair<char32_t, char32_t>, 12> kRanges = {{
        {0x0300, 0x036F},
        {0x0483, 0x0489},
        {0x0591, 0x05BD},
        {0x1AB0, 0x1AFF},
        {0x1DC0, 0x1DFF},
        {0x200C, 0x200D},
        {0x20D0, 0x20FF},
        {0xFE00, 0xFE0F},
        {0xFE20, 0xFE2F},
        {0x1F3FB, 0x1F3FF},
        {0xE0020, 0xE007F},
        {0xE0100, 0xE01EF},
    }};
    return std::any_of(kRanges.begin(), kRanges.end(),
                       [c](const auto& range) { return c >= range.first && c <= range.second; });
}

// Whether cur belongs to the same character as prev before it; regionalRun
// counts the regional indicators of the character so far.
bool joinsPrevious(char32_t prev, char32_t cur, int regionalRun) {
    if (prev == '\r' && cur == '\n') return true;
    if (isControl(prev) || isControl(cur)) return false;
    if (isExtend(cur) || prev == kZeroWidthJoiner) return true;
    if (isRegionalIndicator(prev) && isRegionalIndicator(cur)) return regionalRun % 2 == 1;  // flags pair up
    return false;
}

std::string repeated(std::string_view pad, std::int64_t count) {
    std::string out;
    out.reserve(pad.size() * static_cast<std::size_t>(std::max<std::int64_t>(count, 0)));
    for (std::int64_t i = 0; i < count; ++i) out += pad;
    return out;
}

}  // namespace

std::vector<std::string> characterStrings(std::string_view text) {
    const std::vector<CodePoint> points = decodeUtf8(text);
    std::vector<std::string> characters;
    std::size_t start = 0;
    int regionalRun = 0;  // regional indicators in the current character
    for (std::size_t i = 0; i < points.size(); ++i) {
        const char32_t cur = points[i].value;
        const bool join = i > 0 && joinsPrevious(points[i - 1].value, cur, regionalRun);
        if (i > 0 && !join) {
            characters.emplace_back(text.substr(points[start].begin, points[i].begin - points[start].begin));
            start = i;
            regionalRun = 0;
        }
        if (isRegionalIndicator(cur)) ++regionalRun;
    }
    if (!points.empty()) characters.emplace_back(text.substr(points[start].begin));
    return characters;
}

std::size_t characterCount(std::string_view text) {
    // Plain ASCII needs no decoding: every byte is a character, but "\r\n" is one.
    if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        std::size_t count = 0;
        for (std::size_t i = 0; i < text.size(); ++i) count += i == 0 || text[i - 1] != '\r' || text[i] != '\n';
        return count;
    }
    // Decoded as it is read: counting needs only the point before.
    std::size_t count = 0;
    char32_t prev = 0;
    int regionalRun = 0;  // regional indicators in the current character
    for (std::size_t i = 0; i < text.size();) {
        const Decoded point = decodeAt(text, i);
        if (i == 0 || !joinsPrevious(prev, point.value, regionalRun)) {
            ++count;
            regionalRun = 0;
        }
        if (isRegionalIndicator(point.value)) ++regionalRun;
        prev = point.value;
        i += point.length;
    }
    return count;
}

std::string padLeft(std::string_view text, std::int64_t count, std::string_view pad) {
    return repeated(pad, count) + std::string(text);
}

std::string padRight(std::string_view text, std::int64_t count, std::string_view pad) {
    return std::string(text) + repeated(pad, count);
}

std::string padBoth(std::string_view text, std::int64_t leftCount, std::string_view leftPad, std::int64_t rightCount,
                    std::string_view rightPad) {
    return repeated(leftPad, leftCount) + std::string(text) + repeated(rightPad, rightCount);
}

std::vector<std::string> padArrayFront(const std::vector<std::string>& items, const std::vector<std::string>& model,
                                       const std::string& filler) {
    if (model.size() <= items.size()) return items;
    std::vector<std::string> padded(model.size() - items.size(), filler);
    padded.insert(padded.end(), items.begin(), items.end());
    return padded;
}

TextLengths textLengths(std::string_view a, std::string_view b) {
    const auto first = static_cast<std::int64_t>(characterStrings(a).size());
    const auto second = static_cast<std::int64_t>(characterStrings(b).size());
    return {first, second, std::max(first, second)};
}

bool isZeroText(std::string_view text) {
    return text == "0";
}

bool hasSingleNonZeroDigit(std::string_view text) {
    const std::vector<std::string> characters = characterStrings(text);
    return std::count_if(characters.begin(), characters.end(), [](const std::string& c) { return c != "0"; }) == 1;
}

bool isPowerOfTenText(std::string_view text) {
    return hasSingleNonZeroDigit(text) && characterStrings(text).front() == "1";
}

std::optional<std::string> powerOfTenText(std::int64_t n) {
    if (n < 0) return std::nullopt;
    return "1" + std::string(static_cast<std::size_t>(n), '0');
}

std::string placeValueWord(std::int64_t position, bool plural) {
    static const std::array<std::string, 8> kWords = {
        "one", "ten", "hundred", "thousand", "ten thousand", "hundred thousand", "million", "ten million",
    };
    if (position < 0 || position >= static_cast<std::int64_t>(kWords.size())) return "...?";
    return kWords[static_cast<std::size_t>(position)] + (plural ? "s" : "");
}

std::int64_t digitValueOfCodePointText(std::string_view text) {
    static const std::array<std::pair<std::string_view, std::int64_t>, 20> kDigits = {{
        {"30", 0},   {"31", 1},   {"32", 2},   {"33", 3},   {"34", 4},   {"35", 5},   {"36", 6},
        {"37", 7},   {"38", 8},   {"39", 9},   {"2070", 0}, {"B9", 1},   {"B2", 2},   {"B3", 3},
        {"2074", 4}, {"2075", 5}, {"2076", 6}, {"2077", 7}, {"2078", 8}, {"2079", 9},
    }};
    for (const auto& [code, value] : kDigits) {
        if (code == text) return value;
    }
    return 0;
}

std::string superscriptDigit(std::string_view text) {
    static const std::array<const char*, 10> kSuperscripts = {
        "⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹",
    };
    if (text.size() == 1 && text[0] >= '0' && text[0] <= '9') return kSuperscripts[text[0] - '0'];
    return "...";
}

std::string signedTermText(std::int64_t coefficient, std::int64_t exponent, std::string_view variable,
                           bool showUnitCoefficient) {
    const std::string power =
        exponent == 1 ? std::string(variable) : std::string(variable) + superscriptDigit(std::to_string(exponent));
    const bool unit = !showUnitCoefficient && (coefficient == 1 || coefficient == -1);
    const std::string sign = coefficient < 0 ? "-" : "+";
    if (exponent == 0) return coefficient < 0 ? std::to_string(coefficient) : sign + std::to_string(coefficient);
    if (unit) return sign + power;
    return (coefficient < 0 ? "" : "+") + std::to_string(coefficient) + power;
}

}  // namespace duolinear

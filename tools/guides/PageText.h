#pragma once
// Short names for the text blocks that guide pages are written with.

#include <string>

#include "guides/GuideModel.h"

namespace duolinear::guides {

inline TextBlock heading(std::string text) {
    return {TextStyle::subheading, std::move(text), {}};
}
inline TextBlock para(std::string text) {
    return {TextStyle::body, std::move(text), {}};
}
inline TextBlock note(std::string text) {
    return {TextStyle::note, std::move(text), {}};
}
inline TextBlock bullet(std::string text) {
    return {TextStyle::item, std::move(text), "\u2022"};
}
inline TextBlock numbered(int number, std::string text) {
    return {TextStyle::item, std::move(text), std::to_string(number) + "."};
}

// An option text as the app shows it, in quotation marks.
inline std::string quoted(const std::string& text) {
    return "\u201C" + text + "\u201D";
}

}  // namespace duolinear::guides

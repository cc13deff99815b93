#include "layout/Enumerations.h"

#include <array>

#include "layout/RawValues.h"

namespace duolinear {

namespace {

const std::array<std::string, 13> kColorNames = {
    "invisible", "white", "clear", "black", "light gray", "gray",    "dark gray",
    "red",       "blue",  "green", "cyan",  "brown",      "magenta",
};

const std::array<std::string, 5> kRelationNames = {"=", "<", ">", "≤", "≥"};

const std::array<std::string, 3> kFontNames = {
    "system",
    "monospaced system",
    "monospaced_digit_system",
};

}  // namespace

const std::string& rawValue(Color color) {
    return rawNameOf(kColorNames, color);
}
const std::string& rawValue(Relation relation) {
    return rawNameOf(kRelationNames, relation);
}
const std::string& rawValue(Font font) {
    return rawNameOf(kFontNames, font);
}

std::optional<Color> colorFromRawValue(std::string_view text) {
    return findRawValue<Color>(kColorNames, text);
}
std::optional<Relation> relationFromRawValue(std::string_view text) {
    return findRawValue<Relation>(kRelationNames, text);
}
std::optional<Font> fontFromRawValue(std::string_view text) {
    return findRawValue<Font>(kFontNames, text);
}

std::optional<Tag> tagFromRawValue(int value) {
    for (Tag tag :
         {Tag::input, Tag::polynomial, Tag::fraction, Tag::multi_line, Tag::option, Tag::level, Tag::example}) {
        if (rawValue(tag) == value) return tag;
    }
    return std::nullopt;
}

Relation reversedRelation(Relation relation) {
    switch (relation) {
        case Relation::less_than:
            return Relation::greater_than;
        case Relation::greater_than:
            return Relation::less_than;
        case Relation::less_than_or_equal_to:
            return Relation::greater_than_or_equal_to;
        case Relation::greater_than_or_equal_to:
            return Relation::less_than_or_equal_to;
        case Relation::equal_to:
            break;
    }
    return Relation::equal_to;
}

Relation negatedRelation(Relation relation) {
    switch (relation) {
        case Relation::less_than:
            return Relation::greater_than_or_equal_to;
        case Relation::greater_than:
            return Relation::less_than_or_equal_to;
        case Relation::less_than_or_equal_to:
            return Relation::greater_than;
        case Relation::greater_than_or_equal_to:
            return Relation::less_than;
        case Relation::equal_to:
            break;
    }
    return Relation::equal_to;
}

}  // namespace duolinear

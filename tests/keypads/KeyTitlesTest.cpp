#include <gtest/gtest.h>

#include "keypads/KeyTitles.h"

namespace duolinear {
namespace {

TEST(KeyTitles, WholeTitlesFirstThenPrefixesWithTheArrowBeforeTheField) {
    const std::pair<std::string, KeyTitle> cases[] = {
        {"7", {KeyKind::digit, 7, 0}},
        {"🤔", {KeyKind::think, 0, 0}},
        {"DEL", {KeyKind::del, 0, 0}},
        {"C", {KeyKind::clear, 0, 0}},
        {"I67", {KeyKind::input, 0, 67}},
        {"P1027", {KeyKind::polynomial, 0, 1027}},
        {"P_option1028", {KeyKind::polynomialOption, 0, 1028}},
        {"O4225", {KeyKind::option, 0, 4225}},
        {"L5121", {KeyKind::level, 0, 5121}},
        // Near misses are nobody's key.
        {"🤔 ", {}},
        {"del", {}},
        {"10", {}},
        {"I", {}},
        {"I-5", {}},
        {"I5x", {}},
        {"P_optionX", {}},
        {"I1234567890123456789", {}},
    };
    for (const auto& [title, expected] : cases) EXPECT_EQ(parseKeyTitle(title), expected) << '"' << title << '"';
}

}  // namespace
}  // namespace duolinear

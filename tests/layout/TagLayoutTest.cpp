#include <gtest/gtest.h>

#include "layout/Common.h"
#include "layout/ItemIndex.h"
#include "support/LayoutDump.h"

namespace duolinear {
namespace {

using testing::dump;
using Rows = std::vector<std::string>;

// Rows [from, to) of a dumped layout.
Rows rows(const TagLayout& layout, std::size_t from, std::size_t to) {
    const Rows all = dump(layout);
    return Rows(all.begin() + static_cast<long>(from), all.begin() + static_cast<long>(to));
}

TEST(TagLayoutBuilders, LeavesWriteKindColourAndTagRows) {
    EXPECT_EQ(dump(messageLayout("2 x\n😎")),
              (Rows{"start, 1", "message, 2 x\n😎", "message_color, black", "message_tag, anon"}));
    EXPECT_EQ(dump(integerLayout(-7, Color::light_gray, "k")),
              (Rows{"start, 1", "integer, -7", "integer_color, light gray", "integer_tag, k"}));
    EXPECT_EQ(rows(signedRationalLayout(1, 2, Color::red, Color::blue, Color::green, Color::black), 2, 4),
              (Rows{"signed_rational_color, red, blue, green, black", "signed_rational_tag, anon"}));

    struct Case {
        long long n, d;
        const char* kindRow;
    };
    const Case cases[] = {
        {0, 5, "signed_rational, +, 0, 5"},
        {0, -4, "signed_rational, +, 0, 4"},
        {-3, -4, "signed_rational, +, 3, 4"},
        {-5, 0, "signed_rational, +, 5, 0"},
        {-3, 4, "signed_rational, -, 3, 4"},
        {3, -4, "signed_rational, -, 3, 4"},
        {INT64_MIN, 1, "signed_rational, -, 9223372036854775808, 1"},
    };
    for (const Case& c : cases) {
        const TagLayout layout = signedRationalLayout(c.n, c.d, Color::black, Color::black, Color::black, Color::black);
        EXPECT_EQ(dump(layout)[1], c.kindRow) << c.n << "/" << c.d;
    }
}

TEST(TagLayoutBuilders, JoinOfTwoLeavesMatchesWorkedExample) {
    const TagLayout joined = joinLayouts("🖇", messageLayout("2"), messageLayout("x"));
    EXPECT_EQ(dump(joined), (Rows{"start, 7", "message, 2", "message_color, black", "message_tag, anon", "message, x",
                                  "message_color, black", "message_tag, anon", "join, 🖇", "join_locator, 1, 4",
                                  "join_color, black", "join_tag, anon"}));

    const TagLayout bracketed = unaryLayout("()", joined);
    ASSERT_EQ(bracketed.size(), 15u);
    EXPECT_EQ(dump(bracketed)[0], "start, 11");
    EXPECT_EQ(rows(bracketed, 1, 11), rows(joined, 1, 11));
    EXPECT_EQ(rows(bracketed, 11, 15),
              (Rows{"unary, ()", "unary_locator, 7", "unary_color, black", "unary_tag, anon"}));
}

TEST(TagLayoutBuilders, JoinShiftsOnlyTheRightOperand) {
    const TagLayout inner = joinLayouts("+", messageLayout("a"), messageLayout("b"));  // 11 rows, root 7
    const TagLayout leftNested = joinLayouts("=", inner, integerLayout(3), Color::red);
    EXPECT_EQ(dump(leftNested)[0], "start, 14");
    EXPECT_EQ(dump(leftNested)[8], "join_locator, 1, 4");  // the left keeps its indices
    EXPECT_EQ(dump(leftNested)[11], "integer, 3");
    EXPECT_EQ(rows(leftNested, 15, 17), (Rows{"join_locator, 7, 11", "join_color, red"}));

    const TagLayout rightNested = joinLayouts("=", integerLayout(3), inner);
    EXPECT_EQ(rightNested.size(), 4u + 11u + 3u);
    EXPECT_EQ(dump(rightNested)[0], "start, 14");
    EXPECT_EQ(dump(rightNested)[11], "join_locator, 4, 7");  // inner locators 1, 4 shifted by 3
    EXPECT_EQ(dump(rightNested)[15], "join_locator, 1, 10");

    // An operand without an item has no root to name: the other stands alone.
    for (const TagLayout& empty : {TagLayout{}, TagLayout{{"start", "1"}}}) {
        EXPECT_EQ(joinLayouts("+", empty, inner), inner) << empty.size();
        EXPECT_EQ(joinLayouts("+", inner, empty, Color::red), inner) << empty.size();
        EXPECT_EQ(joinLayouts("=", empty, empty), empty) << empty.size();
    }
    // A blank left operand holds one row after its start: the right one moves by 1.
    const TagLayout afterBlank = joinLayouts("=", blankLayouts(1)[0], inner);
    EXPECT_EQ(dump(afterBlank)[0], "start, 12");
    EXPECT_EQ(dump(afterBlank)[9], "join_locator, 2, 5");
    EXPECT_EQ(dump(afterBlank)[13], "join_locator, 1, 8");
}

TEST(TagLayoutBuilders, UnaryAndFontWrapWithoutShifting) {
    const TagLayout leafLayout = integerLayout(5);
    const Rows leafRows{"start, 4", "integer, 5", "integer_color, black", "integer_tag, anon"};
    Rows unary = leafRows;
    unary.insert(unary.end(), {"unary, √", "unary_locator, 1", "unary_color, invisible", "unary_tag, anon"});
    EXPECT_EQ(dump(unaryLayout("√", leafLayout, Color::invisible)), unary);
    Rows font = leafRows;  // no colour row
    font.insert(font.end(), {"font, monospaced system", "font_locator, 1", "font_tag, anon"});
    EXPECT_EQ(dump(fontLayout(Font::monospaced_system, leafLayout)), font);
}

TEST(TagLayoutBuilders, ShiftLocatorRowMovesOnlyLocators) {
    struct Case {
        TagRow row;
        long long offset;
        TagRow want;
    };
    const Case cases[] = {
        {{"message_color", "red"}, 10, {"message_color", "red"}},
        {{"join", "+"}, 10, {"join", "+"}},
        {{"start", "7"}, 10, {"start", "7"}},
        {{"block", "3", "4"}, 1, {"block", "4"}},
        {{"join_locator", "1", "4"}, 10, {"join_locator", "11", "14"}},
        {{"unary_locator", "07", "extra"}, 2, {"unary_locator", "9"}},  // re-rendered, extra values dropped
        {{"font_locator", "5"}, -2, {"font_locator", "3"}},
        {{}, 3, {}},
        // Missing or malformed values read as 0.
        {{"font_locator", "x"}, 2, {"font_locator", "2"}},
        {{"join_locator", "1"}, 10, {"join_locator", "11", "10"}},
        {{"unary_locator"}, 3, {"unary_locator", "3"}},
        // Past either end of the 64-bit range: the locator names nothing.
        {{"join_locator", "9223372036854775807", "4"}, 1, {"join_locator", "", "5"}},
        {{"block", "-9223372036854775808"}, -1, {"block", ""}},
        {{"unary_locator", "9223372036854775800"}, 7, {"unary_locator", "9223372036854775807"}},
    };
    for (const Case& c : cases) EXPECT_EQ(shiftLocatorRow(c.row, c.offset), c.want) << c.row[0];
    TagLayout malformed = integerLayout(1);
    malformed[0].set(1, "9223372036854775807");
    EXPECT_EQ(joinLayouts("+", integerLayout(2), malformed)[8], (TagRow{"join_locator", "1", ""}));
    EXPECT_EQ(layoutRootIndex({{"start"}}), 0);
}

TEST(TagLayoutBuilders, BlankLayoutsGiveAtLeastOne) {
    const TagLayout blank{{"start", "1"}, {"BLANK"}};
    EXPECT_EQ(blankLayouts(0), Layouts{blank});
    EXPECT_EQ(blankLayouts(-5), Layouts{blank});
    EXPECT_EQ(blankLayouts(3), (Layouts{blank, blank, blank}));
}

TEST(TagLayoutBuilders, MessagesAndJoinAllSkipEmptyPiecesAndNestLeft) {
    EXPECT_FALSE(messagesLayout({}).has_value());
    EXPECT_FALSE(messagesLayout({{"", Color::red}, {"", Color::blue}}).has_value());
    EXPECT_EQ(messagesLayout({{"", Color::red}, {"hi", Color::blue}}), messageLayout("hi", Color::blue));
    const TagLayout a = messageLayout("a", Color::red);
    const TagLayout b = messageLayout("b");
    const TagLayout c = messageLayout("c", Color::blue);
    const TagLayout nested = joinLayouts("🖇", joinLayouts("🖇", a, b), c);
    EXPECT_EQ(messagesLayout({{"a", Color::red}, {"", Color::black}, {"b", Color::black}, {"c", Color::blue}}), nested);

    EXPECT_FALSE(joinAllLayouts({}).has_value());
    EXPECT_FALSE(joinAllLayouts({TagLayout{}, TagLayout{TagRow{}}}).has_value());
    EXPECT_EQ(joinAllLayouts({TagLayout{}, a, TagLayout{TagRow{}}}), a);
    EXPECT_EQ(joinAllLayouts({a, TagLayout{}, b, c}), nested);
}

TEST(ItemIndex, OnlyWholeDecimalTexts) {
    const std::pair<const char*, std::optional<std::size_t>> cases[] = {
        {"12", 12},
        {"007", 7},
        {"18446744073709551615", SIZE_MAX},
        {"18446744073709551616", std::nullopt},
        {"", std::nullopt},
        {"-1", std::nullopt},
        {"+1", std::nullopt},
        {" 1", std::nullopt},
        {"1x", std::nullopt},
    };
    for (const auto& [text, index] : cases) EXPECT_EQ(parseItemIndex(text), index) << text;
    // A view that stops inside a longer run of digits is read to its own end.
    EXPECT_EQ(parseItemIndex(std::string_view("1234").substr(0, 2)), 12u);
}

TEST(LayoutEnumerations, RawValuesRoundTripAndRejectNearMisses) {
    for (int i = 0; i <= 12; ++i) {
        const auto color = static_cast<Color>(i);
        EXPECT_EQ(colorFromRawValue(rawValue(color)), color);
    }
    EXPECT_EQ(colorFromRawValue("light gray"), Color::light_gray);
    for (const char* miss : {"light_gray", "Light Gray", ""}) EXPECT_FALSE(colorFromRawValue(miss)) << miss;
    EXPECT_EQ(fontFromRawValue("monospaced system"), Font::monospaced_system);
    EXPECT_FALSE(fontFromRawValue("monospaced_system"));
    EXPECT_EQ(fontFromRawValue("monospaced_digit_system"), Font::monospaced_digit_system);
    const std::pair<Relation, const char*> relations[] = {{Relation::equal_to, "="},
                                                          {Relation::less_than, "<"},
                                                          {Relation::greater_than, ">"},
                                                          {Relation::less_than_or_equal_to, "≤"},
                                                          {Relation::greater_than_or_equal_to, "≥"}};
    for (const auto& [relation, text] : relations) {
        EXPECT_EQ(rawValue(relation), text);
        EXPECT_EQ(relationFromRawValue(text), relation);
    }
    EXPECT_EQ(rawValue(Font::system), "system");
    EXPECT_FALSE(relationFromRawValue("<="));
    EXPECT_EQ(tagFromRawValue(5121), Tag::level);
    EXPECT_FALSE(tagFromRawValue(2));
}

TEST(LayoutEnumerations, RelationReversalAndNegation) {
    using R = Relation;
    struct Case {
        R r, reversed, negated;
    };
    const Case cases[] = {
        {R::equal_to, R::equal_to, R::equal_to},
        {R::less_than, R::greater_than, R::greater_than_or_equal_to},
        {R::greater_than, R::less_than, R::less_than_or_equal_to},
        {R::less_than_or_equal_to, R::greater_than_or_equal_to, R::greater_than},
        {R::greater_than_or_equal_to, R::less_than_or_equal_to, R::less_than},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(reversedRelation(c.r), c.reversed) << rawValue(c.r);
        EXPECT_EQ(negatedRelation(c.r), c.negated) << rawValue(c.r);
    }
}

TEST(ViewTags, PackAndUnpack) {
    EXPECT_EQ(viewTag(0, 0, 0, Tag::input), 1);
    EXPECT_EQ(viewTag(1, 2, 3, Tag::polynomial), 1108);
    EXPECT_EQ(decodeViewTag(0, Tag::input), (ViewTagIndices{0, 0, -1}));
    for (long long a = 0; a <= 15; ++a)
        for (long long b = 0; b <= 7; ++b)
            for (long long c = 0; c <= 7; ++c)
                EXPECT_EQ(decodeViewTag(viewTag(a, b, c, Tag::option), Tag::option), (ViewTagIndices{a, b, c}));
}

}  // namespace
}  // namespace duolinear

#include "layout/Common.h"
#include "support/LayoutDump.h"

#include <gtest/gtest.h>

namespace duolinear {
namespace {

using testing::dump;
using Rows = std::vector<std::string>;

TEST(TagLayoutBuilders, LeavesWriteKindColourAndTagRows) {
    EXPECT_EQ(dump(messageLayout("2 x\n😎")),
              (Rows{"start, 1", "message, 2 x\n😎", "message_color, black", "message_tag, anon"}));
    EXPECT_EQ(dump(integerLayout(-7, Color::light_gray, "k")),
              (Rows{"start, 1", "integer, -7", "integer_color, light gray", "integer_tag, k"}));
    EXPECT_EQ(dump(signedRationalLayout(-3, 4, Color::red, Color::blue, Color::green, Color::black)),
              (Rows{"start, 1", "signed_rational, -, 3, 4", "signed_rational_color, red, blue, green, black",
                    "signed_rational_tag, anon"}));
}

TEST(TagLayoutBuilders, SignedRationalSignFollowsBothParts) {
    struct Case { long long n, d; const char* sign; const char* absN; const char* absD; };
    const Case cases[] = {
        {0, 5, "+", "0", "5"},   {0, -4, "+", "0", "4"}, {-3, -4, "+", "3", "4"}, {-5, 0, "+", "5", "0"},
        {-3, 4, "-", "3", "4"},  {3, -4, "-", "3", "4"},
        {INT64_MIN, 1, "-", "9223372036854775808", "1"},
    };
    for (const Case& c : cases) {
        const TagLayout layout = signedRationalLayout(c.n, c.d, Color::black, Color::black, Color::black, Color::black);
        EXPECT_EQ(layout[1], (TagRow{"signed_rational", c.sign, c.absN, c.absD})) << c.n << "/" << c.d;
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
    for (std::size_t i = 1; i <= 10; ++i) EXPECT_EQ(bracketed[i], joined[i]);
    EXPECT_EQ(dump(bracketed)[11], "unary, ()");
    EXPECT_EQ(dump(bracketed)[12], "unary_locator, 7");
    EXPECT_EQ(dump(bracketed)[13], "unary_color, black");
    EXPECT_EQ(dump(bracketed)[14], "unary_tag, anon");
}

TEST(TagLayoutBuilders, JoinShiftsOnlyTheRightOperand) {
    const TagLayout inner = joinLayouts("+", messageLayout("a"), messageLayout("b"));  // 11 rows, root 7
    const TagLayout leftNested = joinLayouts("=", inner, integerLayout(3), Color::red);
    // Left keeps its indices; the right leaf moves down by 10.
    EXPECT_EQ(dump(leftNested)[0], "start, 14");
    EXPECT_EQ(dump(leftNested)[8], "join_locator, 1, 4");
    EXPECT_EQ(dump(leftNested)[11], "integer, 3");
    EXPECT_EQ(dump(leftNested)[15], "join_locator, 7, 11");
    EXPECT_EQ(dump(leftNested)[16], "join_color, red");

    const TagLayout rightNested = joinLayouts("=", integerLayout(3), inner);
    EXPECT_EQ(rightNested.size(), 4u + 11u + 3u);
    EXPECT_EQ(dump(rightNested)[0], "start, 14");
    EXPECT_EQ(dump(rightNested)[11], "join_locator, 4, 7");  // inner locators 1, 4 shifted by 3
    EXPECT_EQ(dump(rightNested)[15], "join_locator, 1, 10");
}

TEST(TagLayoutBuilders, UnaryAndFontWrapWithoutShifting) {
    const TagLayout leafLayout = integerLayout(5);
    EXPECT_EQ(dump(unaryLayout("√", leafLayout, Color::invisible)),
              (Rows{"start, 4", "integer, 5", "integer_color, black", "integer_tag, anon", "unary, √",
                    "unary_locator, 1", "unary_color, invisible", "unary_tag, anon"}));
    EXPECT_EQ(dump(fontLayout(Font::monospaced_system, leafLayout)),
              (Rows{"start, 4", "integer, 5", "integer_color, black", "integer_tag, anon",
                    "font, monospaced system", "font_locator, 1", "font_tag, anon"}));
}

TEST(TagLayoutBuilders, ShiftLocatorRowMovesOnlyLocators) {
    EXPECT_EQ(shiftLocatorRow({"message_color", "red"}, 10), (TagRow{"message_color", "red"}));
    EXPECT_EQ(shiftLocatorRow({"join", "+"}, 10), (TagRow{"join", "+"}));
    EXPECT_EQ(shiftLocatorRow({"start", "7"}, 10), (TagRow{"start", "7"}));
    EXPECT_EQ(shiftLocatorRow({"join_locator", "1", "4"}, 10), (TagRow{"join_locator", "11", "14"}));
    EXPECT_EQ(shiftLocatorRow({"unary_locator", "07", "extra"}, 2), (TagRow{"unary_locator", "9"}));
    EXPECT_EQ(shiftLocatorRow({"block", "3", "4"}, 1), (TagRow{"block", "4"}));
    EXPECT_EQ(shiftLocatorRow({"font_locator", "5"}, -2), (TagRow{"font_locator", "3"}));
}

TEST(TagLayoutBuilders, BlankLayoutsGiveAtLeastOne) {
    const TagLayout blank{{"start", "1"}, {"BLANK"}};
    EXPECT_EQ(blankLayouts(0), std::vector<TagLayout>{blank});
    EXPECT_EQ(blankLayouts(-5), std::vector<TagLayout>{blank});
    EXPECT_EQ(blankLayouts(3), (std::vector<TagLayout>{blank, blank, blank}));
}

TEST(TagLayoutBuilders, MessagesLayoutSkipsEmptyPiecesAndNestsLeft) {
    EXPECT_FALSE(messagesLayout({}).has_value());
    EXPECT_FALSE(messagesLayout({{"", Color::red}, {"", Color::blue}}).has_value());
    EXPECT_EQ(messagesLayout({{"", Color::red}, {"hi", Color::blue}}), messageLayout("hi", Color::blue));

    const auto three = messagesLayout({{"a", Color::red}, {"", Color::black}, {"b", Color::black}, {"c", Color::blue}});
    ASSERT_TRUE(three.has_value());
    const TagLayout expected = joinLayouts("🖇", joinLayouts("🖇", messageLayout("a", Color::red), messageLayout("b")),
                                           messageLayout("c", Color::blue));
    EXPECT_EQ(*three, expected);
}

TEST(TagLayoutBuilders, JoinAllDropsEmptyLayouts) {
    const TagLayout a = messageLayout("a");
    const TagLayout b = integerLayout(2);
    EXPECT_FALSE(joinAllLayouts({}).has_value());
    EXPECT_FALSE(joinAllLayouts({TagLayout{}, TagLayout{TagRow{}}}).has_value());
    EXPECT_EQ(joinAllLayouts({TagLayout{}, a, TagLayout{TagRow{}}}), a);
    EXPECT_EQ(joinAllLayouts({a, TagLayout{}, b}), joinLayouts("🖇", a, b));
}

TEST(LayoutEnumerations, RawValuesRoundTripAndRejectNearMisses) {
    EXPECT_EQ(colorFromRawValue("light gray"), Color::light_gray);
    EXPECT_EQ(colorFromRawValue("dark gray"), Color::dark_gray);
    EXPECT_FALSE(colorFromRawValue("light_gray"));
    EXPECT_FALSE(colorFromRawValue("Light Gray"));
    EXPECT_FALSE(colorFromRawValue(""));
    for (int i = 0; i <= 12; ++i) {
        const auto color = static_cast<Color>(i);
        EXPECT_EQ(colorFromRawValue(rawValue(color)), color);
    }
    EXPECT_EQ(fontFromRawValue("monospaced system"), Font::monospaced_system);
    EXPECT_FALSE(fontFromRawValue("monospaced_system"));
    EXPECT_EQ(fontFromRawValue("monospaced_digit_system"), Font::monospaced_digit_system);
    EXPECT_EQ(relationFromRawValue("≤"), Relation::less_than_or_equal_to);
    EXPECT_FALSE(relationFromRawValue("<="));
    EXPECT_EQ(tagFromRawValue(5121), Tag::level);
    EXPECT_FALSE(tagFromRawValue(2));
}

TEST(LayoutEnumerations, RelationReversalAndNegation) {
    EXPECT_EQ(reversedRelation(Relation::equal_to), Relation::equal_to);
    EXPECT_EQ(negatedRelation(Relation::equal_to), Relation::equal_to);
    EXPECT_EQ(reversedRelation(Relation::less_than), Relation::greater_than);
    EXPECT_EQ(reversedRelation(Relation::greater_than_or_equal_to), Relation::less_than_or_equal_to);
    EXPECT_EQ(negatedRelation(Relation::less_than), Relation::greater_than_or_equal_to);
    EXPECT_EQ(negatedRelation(Relation::less_than_or_equal_to), Relation::greater_than);
    for (int i = 0; i <= 4; ++i) {
        const auto r = static_cast<Relation>(i);
        EXPECT_EQ(reversedRelation(reversedRelation(r)), r);
        EXPECT_EQ(negatedRelation(negatedRelation(r)), r);
    }
}

TEST(ViewTags, PackAndUnpack) {
    EXPECT_EQ(viewTag(0, 0, 0, Tag::input), 1);
    EXPECT_EQ(viewTag(1, 2, 3, Tag::polynomial), 1108);
    EXPECT_EQ(decodeViewTag(1108, Tag::polynomial), (ViewTagIndices{1, 2, 3}));
    EXPECT_EQ(decodeViewTag(0, Tag::input), (ViewTagIndices{0, 0, -1}));
    for (long long a = 0; a <= 15; ++a)
        for (long long b = 0; b <= 7; ++b)
            for (long long c = 0; c <= 7; ++c)
                EXPECT_EQ(decodeViewTag(viewTag(a, b, c, Tag::option), Tag::option), (ViewTagIndices{a, b, c}));
}

TEST(ViewTags, SuperscriptDigits) {
    EXPECT_EQ(superscriptDigit("0"), "⁰");
    EXPECT_EQ(superscriptDigit("1"), "¹");
    EXPECT_EQ(superscriptDigit("2"), "²");
    EXPECT_EQ(superscriptDigit("9"), "⁹");
    for (const char* other : {"10", "-1", "x", ""}) EXPECT_EQ(superscriptDigit(other), "...") << other;
}

}  // namespace
}  // namespace duolinear

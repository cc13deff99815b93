#include "solver/Classification.h"

#include "SystemBuilders.h"
#include "algebra/AlgebraLayouts.h"
#include "support/LayoutDump.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace duolinear {
namespace {

using testing::integerSystem;
using testing::isBlankLine;
using testing::messageText;

std::vector<std::string> valueLineRows(const std::string& letter, const std::string& signedRational) {
    return {"start, 7",         "message, " + letter, "message_color, black",
            "message_tag, anon", "signed_rational, " + signedRational,
            "signed_rational_color, black, black, black, black",
            "signed_rational_tag, anon", "join, =", "join_locator, 1, 4", "join_color, black", "join_tag, anon"};
}

TEST(Classification, OneSolutionWithFractionalValues) {
    const auto result = classifyDuolinearSystem(integerSystem(2, 4, 1, 3, -1, 2));
    ASSERT_TRUE(result && result->x && result->y);
    EXPECT_EQ(result->type, Duolinear_solution_type::one);
    EXPECT_TRUE(equals(*result->x, Rational{9, 14}) && equals(*result->y, Rational{-1, 14}));
    ASSERT_EQ(result->lines.size(), 6u);
    EXPECT_TRUE(isBlankLine(result->lines[0]) && isBlankLine(result->lines[1]));
    EXPECT_EQ(messageText(result->lines[2]), "one solution");
    EXPECT_EQ(testing::dump(result->lines[3]), valueLineRows("x", "+, 9, 14"));
    EXPECT_EQ(testing::dump(result->lines[4]), valueLineRows("y", "-, 1, 14"));
    EXPECT_EQ(messageText(result->lines[5]), "graphs are nonparallel lines");
}

TEST(Classification, ParallelAndCoincidentSystems) {
    const auto yIs = [](std::vector<Monomial> right) {
        return PolyEquation{{Monomial{Rational{1, 1}, 1, 'y'}}, std::move(right), Relation::equal_to};
    };
    struct Case {
        Duolinear system;
        Duolinear_solution_type type;
        std::vector<std::string> messages;  // after the two blank lines
        std::optional<PolyEquation> commonLine;
    };
    const std::vector<std::string> same{"infinite solutions", "graphs are the same line"};
    const Case cases[] = {
        {integerSystem(1, 1, 1, 2, 2, 5), Duolinear_solution_type::none,
         {"no solution", "graphs are distinct parallel lines"}, std::nullopt},
        {integerSystem(2, 4, 6, 1, 2, 3), Duolinear_solution_type::infinite, same,
         yIs({Monomial{Rational{-1, 2}, 1, 'x'}, Monomial{Rational{3, 2}, 0}})},
    };
    for (const Case& c : cases) {
        const auto result = classifyDuolinearSystem(c.system);
        ASSERT_TRUE(result);
        EXPECT_EQ(result->type, c.type);
        EXPECT_FALSE(result->x || result->y);
        ASSERT_EQ(result->lines.size(), 2 + c.messages.size() + (c.commonLine ? 1 : 0));
        EXPECT_TRUE(isBlankLine(result->lines[0]) && isBlankLine(result->lines[1]));
        for (std::size_t i = 0; i < c.messages.size(); ++i) EXPECT_EQ(messageText(result->lines[2 + i]), c.messages[i]);
        if (c.commonLine) {
            EXPECT_EQ(result->lines.back(), equationLayout(*c.commonLine, Style::fraction));
        }
    }
}

}  // namespace
}  // namespace duolinear

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "SolverTestSupport.h"
#include "algebra/AlgebraLayouts.h"
#include "solver/GcdSimplification.h"
#include "support/LayoutReading.h"

namespace duolinear {
namespace {

using testing::integerSystem;
using testing::messageText;

std::vector<std::string> messages(const StepLines& lines) {
    std::vector<std::string> texts;
    for (const TagLayout& line : lines) {
        if (!messageText(line).empty()) texts.push_back(messageText(line));
    }
    return texts;
}

TEST(GcdSimplification, AdvisesOnEachEquationThatSimplifies) {
    const struct {
        Duolinear system;
        std::vector<std::string> messages;  // empty: no step
    } cases[] = {
        {integerSystem(2, 3, 5, 1, -1, 1), {}},
        {integerSystem(2, 4, 5, 3, 6, 7), {}},  // a factor of a and b alone does not count
        {integerSystem(4, 6, 10, 1, -1, 1),
         {"first equation simplifies", "2 is GCD of 4, 6 and 10", "always consider"}},
        {integerSystem(2, 3, 5, 3, 9, -6),
         {"second equation simplifies", "3 is GCD of 3, 9 and -6", "always consider"}},
        {integerSystem(-4, -6, -10, 2, 4, 0),
         {"first equation simplifies", "2 is GCD of -4, -6 and -10", "second equation simplifies",
          "2 is GCD of 2, 4 and 0", "always consider"}},
    };
    for (const auto& c : cases) {
        const Outcome<SolverFrame> outcome = simplifyByGCD(testing::factsOf(c.system));
        EXPECT_FALSE(outcome.failed);
        ASSERT_EQ(outcome.value.has_value(), !c.messages.empty());
        if (!outcome.value) continue;
        EXPECT_EQ(outcome.value->comments, std::vector<std::string>{"advisory"});
        EXPECT_EQ(messages(outcome.value->lines), c.messages);
    }
    // A common factor beyond 64 bits fails the step.
    SolverFacts huge = testing::factsOf(integerSystem(2, 3, 5, 1, -1, 1));
    huge.whole.a2 = huge.whole.b2 = huge.whole.c2 = INT64_MIN;
    EXPECT_TRUE(simplifyByGCD(huge).failed);
}

TEST(GcdSimplification, SimplifiedEquationsKeepTheirSigns) {
    const Outcome<SolverFrame> outcome = simplifyByGCD(testing::factsOf(integerSystem(-4, -6, -10, 2, 4, 0)));
    ASSERT_TRUE(outcome.value.has_value());
    // The system, then per equation: two blanks, two messages, a blank, the
    // equation, its factored form and the simplified equation.
    const StepLines& lines = outcome.value->lines;
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines[9], equationLayout(testing::row(-2, -3, -5), Style::rational_fraction));
    EXPECT_EQ(lines[17], equationLayout(testing::row(1, 2, 0), Style::rational_fraction));
    std::vector<std::string> read;
    for (const TagLayout& line : lines) read.push_back(testing::readLayout(line));
    EXPECT_EQ(read, (std::vector<std::string>{"-4x − 6y = -10",
                                              "2x + 4y = 0",
                                              "",
                                              "",
                                              "first equation simplifies",
                                              "2 is GCD of -4, -6 and -10",
                                              "",
                                              "-4x − 6y = -10",
                                              "2(-2x − 3y) = 2(-5)",
                                              "-2x − 3y = -5",
                                              "",
                                              "",
                                              "second equation simplifies",
                                              "2 is GCD of 2, 4 and 0",
                                              "",
                                              "2x + 4y = 0",
                                              "2(x + 2y) = 2(0)",
                                              "x + 2y = 0",
                                              "",
                                              "",
                                              "always consider"}));
}

}  // namespace
}  // namespace duolinear

#include "solver/DuolinearMenus.h"
#include "solver/DuolinearOptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace duolinear {
namespace {

TEST(DuolinearOptions, RawTextsMatchOnlyExactly) {
    EXPECT_EQ(duolinearMethodFromRawValue("substitution"), Duolinear_method::substitution);
    EXPECT_EQ(rawValue(Duolinear_LCM::smart), "smart");
    EXPECT_EQ(rawValue(Duolinear_solution_type::none), "FALSE : no solution");
    for (const char* text : {"Addition", "addition ", ""}) EXPECT_FALSE(duolinearMethodFromRawValue(text));
    EXPECT_FALSE(duolinearLCMFromRawValue("smart \u2716\uFE0F"));
    EXPECT_FALSE(duolinearSolutionTypeFromRawValue("FALSE: no solution"));
}

TEST(DuolinearMenus, ListsHoldTheirTextsInOrder) {
    using Texts = std::vector<std::string>;
    const Texts eliminate{"eliminate x to find y", "eliminate y to find x"};
    const Texts multipliers{"LCM", "smart \xE2\x9C\x96\xEF\xB8\x8F"};  // U+2716 U+FE0F
    EXPECT_EQ(Duolinear_elimination_menu::variableOptions(), eliminate);
    EXPECT_EQ(Duolinear_addition_menu::equationOptions(), (Texts{"substitute in first", "substitute in second"}));
    EXPECT_EQ(Duolinear_elimination_menu::lcmOptions(), multipliers);
    EXPECT_EQ(Duolinear_substitution_menu::variableOptions(), (Texts{"x in terms of y", "y in terms of x"}));
    EXPECT_EQ(Duolinear_substitution_menu::equationOptions(), (Texts{"from the first", "from the second"}));
}

}  // namespace
}  // namespace duolinear

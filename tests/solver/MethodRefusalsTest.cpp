// The refusals that the method steps add to the solver driver: numbers that
// are not whole, and numbers whose working would overflow 64 bits although
// the classification fits.

#include "solver/SolverDriver.h"

#include "StepReading.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace duolinear {
namespace {

using testing::integerSystem;

void expectRefusal(const Duolinear& system, const std::string& reason, bool substitutionToo = true) {
    for (Duolinear_method method : {Duolinear_method::addition, Duolinear_method::elimination,
                                    Duolinear_method::substitution}) {
        if (method == Duolinear_method::substitution && !substitutionToo) continue;
        const WorkedSteps result = solveDuolinearSystem(system, Duolinear_variable::x, Duolinear_equation::first,
                                                        Duolinear_LCM::LCM, method, false);
        ASSERT_EQ(result.steps.size(), 1u) << reason;
        EXPECT_EQ(result.comments, StepComments{{"oops"}});
        ASSERT_EQ(result.steps[0].size(), 2u);
        EXPECT_EQ(testing::messageText(result.steps[0][0]), reason);
        EXPECT_EQ(testing::messageText(result.steps[0][1]), "please correct");
    }
}

TEST(MethodRefusals, ProperFractionsAndOverflowAreRefused) {
    Duolinear fraction = integerSystem(2, 3, 7, 1, -1, 1);
    fraction.equations[1].LHS.terms[1].coefficient = Rational{1, 2};
    expectRefusal(fraction, "whole numbers only");

    // The determinants fit, but the working leaves 64 bits: the refusal of
    // an inner working must not show up as "division by zero" inside the
    // solution.
    expectRefusal(integerSystem(707957912, 1238297398, 3792575216, 2336995545, -2, 0), "numbers too large");
    expectRefusal(integerSystem(30480831, 2, -4, 2, -9827317, 11083090), "numbers too large");

    // D = 2 and the values fit, but lcm(2^40 + 1, 2^40 - 1) does not.
    const std::int64_t big = std::int64_t{1} << 40;
    expectRefusal(integerSystem(big + 1, 1, 1, big - 1, 1, 1), "numbers too large", false);
}

}  // namespace
}  // namespace duolinear

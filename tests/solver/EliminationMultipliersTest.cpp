#include "solver/EliminationMultipliers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

namespace duolinear {
namespace {

using Method = Duolinear_method;
using Mode = Duolinear_LCM;

TEST(EliminationMultipliers, ChooseTheMultipliersOfTheEliminatedCoefficients) {
    const struct {
        std::int64_t c1, c2;
        Mode mode;
        Method method;
        std::int64_t k1, k2;
        bool sameSign;
    } cases[] = {
        {3, 6, Mode::LCM, Method::elimination, 2, 1, true},    {3, 6, Mode::smart, Method::elimination, 2, 1, true},
        {3, 6, Mode::LCM, Method::addition, -2, 1, true},      {3, 6, Mode::smart, Method::addition, -2, 1, true},
        {4, 6, Mode::LCM, Method::elimination, 3, 2, true},    {4, 6, Mode::smart, Method::elimination, 6, 4, true},
        {4, 6, Mode::LCM, Method::addition, 3, -2, true},      {3, 3, Mode::LCM, Method::addition, 1, -1, true},
        {3, 3, Mode::smart, Method::addition, 1, -1, true},    {3, -3, Mode::LCM, Method::addition, 1, 1, false},
        {3, -3, Mode::smart, Method::elimination, 1, 1, false}, {-2, 6, Mode::smart, Method::addition, 3, 1, false},
        {-4, -6, Mode::LCM, Method::addition, 3, -2, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.c1 << ", " << c.c2 << " " << rawValue(c.mode) << " "
                                          << rawValue(c.method));
        // Eliminating x reads a1 and a2, eliminating y reads b1 and b2.
        for (const auto& m : {eliminationMultipliers(c.c1, 7, c.c2, -11, c.method, Duolinear_variable::x, c.mode),
                              eliminationMultipliers(5, c.c1, 13, c.c2, c.method, Duolinear_variable::y, c.mode)}) {
            ASSERT_TRUE(m.has_value());
            EXPECT_EQ(m->k1, c.k1);
            EXPECT_EQ(m->k2, c.k2);
            EXPECT_EQ(m->sameSign, c.sameSign);
        }
    }
}

TEST(EliminationMultipliers, ScaledCoefficientsMatchAndAdditionMakesThemOpposite) {
    for (std::int64_t c1 = -12; c1 <= 12; ++c1) {
        for (std::int64_t c2 = -12; c2 <= 12; ++c2) {
            for (Mode mode : {Mode::LCM, Mode::smart}) {
                for (Method method : {Method::addition, Method::elimination}) {
                    const auto m = eliminationMultipliers(c1, 1, c2, 1, method, Duolinear_variable::x, mode);
                    if (c1 == 0 || c2 == 0) {
                        EXPECT_FALSE(m.has_value());
                        continue;
                    }
                    ASSERT_TRUE(m.has_value());
                    EXPECT_EQ(std::abs(c1 * m->k1), std::abs(c2 * m->k2)) << c1 << ", " << c2;
                    if (method == Method::addition) {
                        EXPECT_EQ(c1 * m->k1, -c2 * m->k2) << c1 << ", " << c2;
                    }
                }
            }
        }
    }
    const std::int64_t big = std::int64_t{1} << 40;  // the target would not fit
    EXPECT_FALSE(eliminationMultipliers(big + 1, 1, big - 1, 1, Method::addition, Duolinear_variable::x, Mode::LCM));
    EXPECT_FALSE(eliminationMultipliers(INT64_MIN, 1, 3, 1, Method::addition, Duolinear_variable::x, Mode::smart));
}

}  // namespace
}  // namespace duolinear

#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "solver/PracticeProblem.h"
#include "support/ScriptedRandom.h"

namespace duolinear {
namespace {

using testing::ScriptedRandom;
using M = Duolinear_method;

// Scripts list the draws in the order asked; truth values are written 1 and 0.
// Substitution runs one level behind the other methods; levels above 3 and
// negative levels draw as level 3.
// Each recipe asks for whole numbers in the ranges it states (and for fair
// truth values): solutions -5..5, sign12 -1..10, sizes 1..5, 1..7, 1..10 or
// 1..12, factors 2..5.
using Ranges = std::set<std::pair<std::int64_t, std::int64_t>>;
struct RecipeCase {
    const char* name;
    std::int64_t level;
    M method;
    std::vector<std::int64_t> draws;
    PracticeCoefficients expected;
    Ranges ranges;
};

TEST(PracticeRecipes, ScriptedDrawsOfEveryRecipe) {
    const Ranges same{{-5, 5}, {-1, 10}, {1, 5}}, multiples{{-5, 5}, {-1, 10}, {1, 5}, {2, 5}},
        larger{{-5, 5}, {-1, 10}, {1, 10}}, free{{-5, 5}, {-1, 10}, {1, 12}}, unit{{-5, 5}, {-1, 10}, {1, 7}};
    const RecipeCase cases[] = {
        {"same sizes: singular, then common factor, then accepted",
         0,
         M::addition,
         {0, 0, /**/ 2, 3, 3, 3, 1, 1, 1, 1, /**/ 2, 3, -1, 3, 1, 1, 2, 0, /**/ 2, 3, -1, 3, 1, 1, 1, 1},
         {2, 3, 5, -2, 3, 1},
         same},
        {"same sizes for substitution one level up",
         1,
         M::substitution,
         {0, 0, /**/ 2, 3, -1, 3, 1, 1, 1, 1},
         {2, 3, 5, -2, 3, 1},
         same},
        {"multiples: the x pair exchanged",
         1,
         M::elimination,
         {0, 0, /**/ 2, 0, -1, 3, 1, /**/ 1, 0, 1, 3, 0, /**/ 1, 1},
         {-6, -1, -7, 2, -3, -1},
         multiples},
        {"larger sizes: both pairs redrawn once",
         2,
         M::addition,
         {2, -1, /**/ 2, 3, 4, 3, /**/ 4, 5, 6, -1, /**/ 3, 1, 3, 0, /**/ 3, 1, 5, 0},
         {4, 3, 5, -6, -5, -7},
         larger},
        {"free constants: drawn anew with the y pair",
         3,
         M::addition,
         {0, 0, /**/ 5, 0, 7, 0, /**/ 2, 1, 4, 1, 1, 1, 1, 1, /**/ 3, 1, 8, 0, 11, 0, 6, 1},
         {5, 3, -11, 7, -8, 6},
         free},
        {"free constants above level 3",
         4,
         M::substitution,
         {0, 0, /**/ 5, 0, 7, 0, /**/ 3, 1, 8, 0, 11, 0, 6, 1},
         {5, 3, -11, 7, -8, 6},
         free},
        {"free constants at the lowest level",
         INT64_MIN,
         M::substitution,
         {0, 0, /**/ 5, 0, 7, 0, /**/ 3, 1, 8, 0, 11, 0, 6, 1},
         {5, 3, -11, 7, -8, 6},
         free},
        {"unit, no flip: first x and second y",
         0,
         M::substitution,
         {1, 2, /**/ 0, 5, 3, -1, 0, /**/ 4, 1},
         {1, 4, 9, -3, -1, -5},
         unit},
        {"unit, flip: second x and first y",
         0,
         M::substitution,
         {-1, 3, /**/ 1, -1, 5, 0, 1, /**/ 2, 0},
         {5, 1, -2, -1, -2, -5},
         unit},
        {"unit, a rejected draw keeps the unit y in the second equation",
         0,
         M::substitution,
         {0, 0, /**/ 0, 0, 1, 0, 1, /**/ 1, 1, /**/ 2, 0},
         {1, -2, 0, 1, 1, 0},
         unit},
    };
    for (const RecipeCase& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedRandom source;
        for (std::int64_t draw : c.draws) source.push(draw);
        const auto k = practiceCoefficients(c.level, c.method, source);
        ASSERT_TRUE(k);
        EXPECT_EQ(*k, c.expected);
        EXPECT_EQ(source.remaining(), 0u);
        Ranges asked;
        for (const ScriptedRandom::Request& r : source.requests()) {
            if (r.kind == ScriptedRandom::Kind::integer) asked.insert({r.low, r.high});
        }
        EXPECT_EQ(asked, c.ranges);
    }
}

// Whole numbers from a script, then always the low end of a range, and
// false: past the script every recipe rejects its draws for ever.
class StuckSource final : public RandomSource {
public:
    explicit StuckSource(std::vector<std::int64_t> script = {}) : script_(std::move(script)) {}
    std::int64_t uniformInt(std::int64_t low, std::int64_t) override {
        const auto at = static_cast<std::size_t>(draws++);
        return at < script_.size() ? script_[at] : low;
    }
    bool fairBool() override { return ++draws, false; }
    std::size_t uniformIndex(std::size_t) override { return 0; }
    long draws = 0;

private:
    std::vector<std::int64_t> script_;
};

// Hands out values outside every asked range.
class BrokenSource final : public RandomSource {
public:
    std::int64_t uniformInt(std::int64_t, std::int64_t high) override { return high + 1000; }
    bool fairBool() override { return true; }
    std::size_t uniformIndex(std::size_t count) override { return count; }
};

// Hands out a script, but the whole number at one position lies outside its
// range; past the script it hands out the low ends and false.
class OneBadDraw final : public RandomSource {
public:
    OneBadDraw(std::vector<std::int64_t> script, std::size_t bad) : script_(std::move(script)), bad_(bad) {}
    std::int64_t uniformInt(std::int64_t low, std::int64_t high) override {
        const std::size_t i = at_++;
        return i == bad_ ? high + 1 : i < script_.size() ? script_[i] : low;
    }
    bool fairBool() override { return at_ < script_.size() && script_[at_++] == 1; }
    std::size_t uniformIndex(std::size_t) override { return 0; }

private:
    std::vector<std::int64_t> script_;
    std::size_t bad_;
    std::size_t at_ = 0;
};

TEST(PracticeRecipes, RejectionLoopsGiveUpInsteadOfHanging) {
    // One bad whole number anywhere in an otherwise accepted draw gives no problem.
    for (std::size_t bad : {0u, 1u, 2u, 3u, 4u, 5u, 8u, 9u}) {
        OneBadDraw source({0, 0, 2, 3, -1, 3, 1, 1, 1, 1}, bad);
        EXPECT_FALSE(practiceCoefficients(0, M::addition, source)) << "bad draw " << bad;
    }

    for (std::int64_t level = 0; level <= 4; ++level) {
        for (M method : {M::addition, M::substitution}) {
            SCOPED_TRACE(::testing::Message() << "level " << level << " method " << rawValue(method));
            StuckSource stuck;
            EXPECT_FALSE(generatePracticeProblem(level, method, stuck));
            EXPECT_GT(stuck.draws, kPracticeMaxAttempts);
            BrokenSource broken;
            EXPECT_FALSE(generatePracticeProblem(level, method, broken));
        }
    }
    // Each loop makes exactly kPracticeMaxAttempts attempts. After x and y,
    // an attempt at level 0 draws a size and two signs, a size and two coins,
    // x and y; level 1 draws a factor and an exchange more for each pair.
    // Past an accepted pair of x coefficients (2 and 3), the y coefficients
    // get as many attempts: two draws each, four at level 3 (with constants).
    const struct {
        std::int64_t level;
        std::vector<std::int64_t> script;
        long before, perAttempt;
    } bounded[] = {{0, {}, 2, 8}, {1, {}, 2, 12}, {2, {0, 0, 2, 1, 3, 1}, 6, 4}, {3, {0, 0, 2, 1, 3, 1}, 6, 8}};
    for (const auto& c : bounded) {
        StuckSource source(c.script);
        EXPECT_FALSE(practiceCoefficients(c.level, M::addition, source));
        EXPECT_EQ(source.draws, c.before + c.perAttempt * kPracticeMaxAttempts) << "level " << c.level;
    }
}

TEST(PracticeQuestion, DisplayRulesAndRecordShape) {
    const std::string minus = "\u2212";
    EXPECT_EQ(practiceQuestionText({2, 3, 7, -1, -1, -2}), "2x + 3y = 7 and -x " + minus + " y = -2");
    EXPECT_EQ(practiceQuestionText({1, -4, 0, -12, 1, -250}), "x " + minus + " 4y = 0 and -12x + y = -250");

    const PracticeProblem problem = practiceProblemRecord({-1, 3, 0, 4, -1, -7});
    ASSERT_EQ(problem.examples.size(), 1u);
    EXPECT_EQ(problem.examples[0], "-x + 3y = 0 and 4x " + minus + " y = -7");
    using Rows = std::vector<std::vector<std::vector<std::string>>>;
    EXPECT_EQ(problem.inputs, (Rows{{{"-1", "3", "0"}}, {{"4", "-1", "-7"}}}));
}

}  // namespace
}  // namespace duolinear

// Keeping only the first or the last step: for random equations, plain and
// bracketed, in every style and with either technique and advice, the engines
// give exactly the first or the last step of the whole working (or the same
// refusal), and the smart advice draws as often.

#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "linear_steps/ExtendedLinearSteps.h"
#include "linear_steps/LinearEquationSteps.h"
#include "support/ExtendedBuilders.h"

namespace duolinear {
namespace {

using namespace testing;

// Counts the draws it hands out, from a fixed seed.
class CountingRandom final : public RandomSource {
public:
    std::int64_t uniformInt(std::int64_t low, std::int64_t high) override {
        ++draws;
        return std::uniform_int_distribution<std::int64_t>(low, high)(engine_);
    }
    bool fairBool() override { return uniformInt(0, 1) == 1; }
    std::size_t uniformIndex(std::size_t count) override {
        return static_cast<std::size_t>(uniformInt(0, static_cast<std::int64_t>(count) - 1));
    }
    int draws = 0;

private:
    std::mt19937_64 engine_{7};
};

template <typename Solve>
void expectKeptStepsOfTheWhole(Solve solve, LinearStepChoices choices, const std::string& what) {
    CountingRandom allRandom, firstRandom, lastRandom;
    choices.random = &allRandom;
    const WorkedSteps all = solve(choices);
    choices.random = &firstRandom;
    choices.kept = KeptSteps::first;
    const WorkedSteps first = solve(choices);
    choices.random = &lastRandom;
    choices.kept = KeptSteps::last;
    const WorkedSteps last = solve(choices);

    ASSERT_FALSE(all.steps.empty()) << what;
    EXPECT_EQ(first.steps, StepList{all.steps.front()}) << what;
    EXPECT_EQ(first.comments, StepComments{all.comments.front()}) << what;
    EXPECT_EQ(last.steps, StepList{all.steps.back()}) << what;
    EXPECT_EQ(last.comments, StepComments{all.comments.back()}) << what;
    EXPECT_EQ(firstRandom.draws, allRandom.draws) << what;
    EXPECT_EQ(lastRandom.draws, allRandom.draws) << what;
}

TEST(KeptSteps, AreTheFirstAndLastOfTheWholeWorking) {
    std::mt19937 engine{20250107};
    const auto in = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine); };
    const std::int64_t denominators[] = {1, 1, 2, 3, 10, 0};
    const auto coefficient = [&] { return std::pair<int, std::int64_t>{in(-9, 9), denominators[in(0, 5)]}; };
    const Style styles[] = {Style::fraction, Style::rational_fraction, Style::decimal};

    for (int round = 0; round < 200; ++round) {
        LinearStepChoices choices;
        choices.technique = in(0, 1) ? Technique::balance : Technique::transpose;
        choices.highlight = in(0, 1);
        choices.skipOpeningFrame = in(0, 1);
        choices.style = styles[in(0, 2)];
        choices.method = in(0, 1) ? Method::smart : Method::standard;
        const std::string what = "round " + std::to_string(round);

        PolyEquation plain;
        plain.LHS.terms.clear();
        plain.RHS.terms.clear();
        for (Polynomial* side : {&plain.LHS, &plain.RHS}) {
            for (int t = in(1, 3); t > 0; --t) {
                const auto [n, d] = coefficient();
                side->terms.push_back(Monomial{Rational{n, d}, static_cast<std::uint64_t>(in(0, 1))});
            }
        }
        plain.relation = static_cast<Relation>(in(0, 4));
        expectKeptStepsOfTheWhole([&](const LinearStepChoices& c) { return linearEquationSteps(plain, c); }, choices,
                                  what + " plain");

        // a(b x + c) + d = e x + f
        const auto [a, ad] = coefficient();
        const auto [b, bd] = coefficient();
        const Ext_polyEquation bracketed =
            extEquation(side({{x(b, bd), c(in(-9, 9))}, {times(a, 0, ad), c(in(-9, 9))}}),
                        side({{x(in(-9, 9)), c(in(-9, 9), denominators[in(0, 4)])}}));
        expectKeptStepsOfTheWhole([&](const LinearStepChoices& c) { return extendedLinearEquationSteps(bracketed, c); },
                                  choices, what + " bracketed");
    }
}

}  // namespace
}  // namespace duolinear

// Every problem generator under sources that break their promise: constant
// answers, answers outside the range asked for, extreme values, the ends of
// the range, cycles of such answers and random mixtures of them with fair
// ones. A generator either gives a well-formed problem, every value in the
// range it promises, or none; it never hangs, and the sanitizers see no
// overflow and no empty optional read.

#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DisplayEvaluation.h"
#include "FormEvaluation.h"
#include "linear_problems/Linear_Equation_Model.h"
#include "solver/PracticeProblem.h"

namespace duolinear {
namespace {

using namespace testing;

constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

// One answer of a hostile source: a fixed value, or one placed by the range
// asked for (its ends, just outside them, or a fair draw from it).
struct Answer {
    enum class Kind { fixed, low, high, belowLow, aboveHigh, fair } kind = Kind::fixed;
    std::int64_t value = 0;
};

using K = Answer::Kind;

class HostileRandom final : public RandomSource {
public:
    // Answers in turn from the list, or (shuffled) one picked at random each time.
    HostileRandom(std::vector<Answer> answers, bool shuffled, std::uint64_t seed)
        : answers_(std::move(answers)), shuffled_(shuffled), engine_(seed) {}

    std::int64_t uniformInt(std::int64_t low, std::int64_t high) override {
        if (high < low) std::swap(low, high);
        const Answer a = next();
        // Just outside the range, in wrapping arithmetic: the extreme ends wrap round.
        const auto wrapped = [](std::int64_t v, std::uint64_t step) {
            return static_cast<std::int64_t>(static_cast<std::uint64_t>(v) + step);
        };
        switch (a.kind) {
            case K::fixed:
                return a.value;
            case K::low:
                return low;
            case K::high:
                return high;
            case K::belowLow:
                return wrapped(low, ~std::uint64_t{0});
            case K::aboveHigh:
                return wrapped(high, 1);
            case K::fair:
                return std::uniform_int_distribution<std::int64_t>(low, high)(engine_);
        }
        return 0;
    }
    bool fairBool() override {
        const Answer a = next();
        if (a.kind == K::fair) return std::uniform_int_distribution<int>(0, 1)(engine_) == 1;
        return a.kind == K::high || a.kind == K::aboveHigh || (a.kind == K::fixed && a.value != 0);
    }
    std::size_t uniformIndex(std::size_t count) override {
        const Answer a = next();
        switch (a.kind) {
            case K::fixed:
                return static_cast<std::size_t>(a.value);
            case K::low:
                return 0;
            case K::high:
                return count - 1;  // wraps round when count is 0
            case K::belowLow:
                return std::numeric_limits<std::size_t>::max();
            case K::aboveHigh:
                return count;
            case K::fair:
                return count == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, count - 1)(engine_);
        }
        return 0;
    }

private:
    Answer next() {
        if (shuffled_) return answers_[std::uniform_int_distribution<std::size_t>(0, answers_.size() - 1)(engine_)];
        return answers_[at_++ % answers_.size()];
    }

    std::vector<Answer> answers_;
    bool shuffled_;
    std::mt19937_64 engine_;
    std::size_t at_ = 0;
};

const std::vector<Answer> kHostile = {
    {K::fixed, kMin}, {K::fixed, kMax}, {K::fixed, 0}, {K::fixed, 5},  {K::fixed, -1},       {K::fixed, 100},
    {K::low},         {K::high},        {K::belowLow}, {K::aboveHigh}, {K::fixed, kMin + 1}, {K::fixed, 10}};

// The sources of the test: each hostile answer alone, all of them in turn,
// and random mixtures in which fair answers take a growing share (so that
// the recipes get deep before a hostile answer comes).
std::vector<HostileRandom> hostileSources() {
    std::vector<HostileRandom> sources;
    for (const Answer& a : kHostile) sources.emplace_back(std::vector<Answer>{a}, false, 1);
    sources.emplace_back(kHostile, false, 1);
    for (std::uint64_t seed = 1; seed <= 400; ++seed) {
        std::vector<Answer> mixture = kHostile;
        constexpr std::size_t kFairCopies[] = {0, 12, 60, 240};  // none, 1/2, 5/6, 20/21 of the answers
        mixture.insert(mixture.end(), kFairCopies[seed % 4], Answer{K::fair});
        sources.emplace_back(std::move(mixture), true, seed);
    }
    return sources;
}

// |v|, for any value a broken generator might give.
std::uint64_t magnitude(std::int64_t v) {
    return v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
}

// A whole decimal number, or none.
std::optional<std::int64_t> integerText(const std::string& text) {
    std::size_t used = 0;
    try {
        const std::int64_t value = std::stoll(text, &used);
        if (used == text.size()) return value;
    } catch (const std::exception&) {}
    return std::nullopt;
}

// Every coefficient of a practice system a whole number inside what the
// recipes can make (no coefficient 0 or above 25 in size, no constant above
// 250), the question a line naming both equations.
void expectPracticeProblem(const PracticeProblem& p, const std::string& where) {
    ASSERT_EQ(p.examples.size(), 1u) << where;
    EXPECT_NE(p.examples[0].find(" and "), std::string::npos) << where;
    ASSERT_EQ(p.inputs.size(), 2u) << where;
    for (const auto& equation : p.inputs) {
        ASSERT_EQ(equation.size(), 1u) << where;
        ASSERT_EQ(equation[0].size(), 3u) << where;
        for (std::size_t i = 0; i < 3; ++i) {
            const std::optional<std::int64_t> v = integerText(equation[0][i]);
            ASSERT_TRUE(v) << where << ": " << p.examples[0];
            const std::int64_t bound = i < 2 ? 25 : 250;
            EXPECT_TRUE(*v >= -bound && *v <= bound && (i == 2 || *v != 0)) << where << ": " << p.examples[0];
        }
    }
}

// The record's model, with each coefficient as numerator and denominator.
LinearEquationModel recordModel(const LinearProblemRecord& record, Relation relation) {
    return modelFromInputs(record.inputs.at(0).at(0), relation, Technique::balance, Style::fraction, Method::standard);
}

// Plain levels: every coefficient a whole number of −9…9 other than 0 or a
// unit fraction 1/s, x never cancelling, a display line showing the relation.
void expectLinearProblem(const LinearProblemRecord& record, Relation relation, const std::string& where) {
    ASSERT_EQ(record.examples.size(), 1u) << where;
    ASSERT_EQ(record.inputs.size(), 1u) << where;
    ASSERT_EQ(record.inputs[0].size(), 1u) << where;
    const std::string& line = record.examples[0].text();
    EXPECT_NE(line.find(" " + std::string(rawValue(relation)) + " "), std::string::npos) << where << ": " << line;
    const LinearEquationModel model = recordModel(record, relation);
    bool small = true;  // the test's own fractions can hold what follows
    for (const auto* side : {&model.coefficients_LHS, &model.coefficients_RHS}) {
        for (const auto& [letter, r] : *side) {
            const bool whole = r.denominator == 1 && r.numerator != 0 && magnitude(r.numerator) <= 9;
            const bool unitFraction = r.numerator == 1 && r.denominator != 0 && magnitude(r.denominator) <= 9;
            EXPECT_TRUE(whole || unitFraction) << where << ": " << line;
            small = small && (whole || unitFraction);
        }
    }
    if (!small) return;
    EXPECT_NE(collected(model).k, Q{}) << where << ": " << line;
}

// Extended levels: decimals of 1…49 hundredths, tenths or units (never a
// multiple of 10), otherwise fractions of −9…9 over 1…9 in lowest terms; the
// display line reads, by itself, to the equation of the inputs.
void expectExtendedProblem(const LinearProblemRecord& record, std::int64_t level, Relation relation,
                           const std::string& where) {
    ASSERT_EQ(record.examples.size(), 1u) << where;
    ASSERT_EQ(record.inputs.size(), 1u) << where;
    ASSERT_EQ(record.inputs[0].size(), 1u) << where;
    const std::string& line = record.examples[0].text();
    LinearEquationModel model = recordModel(record, relation);
    bool small = true;  // the test's own fractions can hold what follows
    for (const auto* side : {&model.coefficients_LHS, &model.coefficients_RHS}) {
        for (const auto& [letter, r] : *side) {
            const std::uint64_t n = magnitude(r.numerator);
            const bool promised = level == 1 ? n >= 1 && n <= 49 && n % 10 != 0 &&
                                                   (r.denominator == 1 || r.denominator == 10 || r.denominator == 100)
                                             : n >= 1 && n <= 9 && r.denominator >= 1 && r.denominator <= 9 &&
                                                   std::gcd(n, magnitude(r.denominator)) == 1;
            EXPECT_TRUE(promised) << where << ": " << line;
            small = small && promised;
        }
    }
    if (!small) return;
    if (level == 1) model.format.resize(model.format.size() - 1);  // the form without its " !" mark
    const std::optional<LinearValue> shown = DisplayReader(line).equation(rawValue(relation));
    ASSERT_TRUE(shown) << where << ": " << line;
    const LinearValue said = collected(model);
    EXPECT_TRUE(shown->k == said.k && shown->m == said.m) << where << ": " << line << " | " << model.format;
}

TEST(HostileSources, EveryGeneratorGivesAWellFormedProblemOrNone) {
    using M = Duolinear_method;
    int given = 0, refused = 0;
    const auto count = [&](bool present) { ++(present ? given : refused); };
    std::vector<HostileRandom> sources = hostileSources();
    for (std::size_t s = 0; s < sources.size(); ++s) {
        HostileRandom& source = sources[s];
        const std::string where = "source " + std::to_string(s);
        for (std::int64_t level : {-1, 0, 1, 2, 3, 4, 5}) {
            for (M method : {M::addition, M::elimination, M::substitution}) {
                const std::optional<PracticeProblem> p = generatePracticeProblem(level, method, source);
                if (p) expectPracticeProblem(*p, where + ", practice level " + std::to_string(level));
                count(p.has_value());
            }
            const auto relation = static_cast<Relation>((s + static_cast<std::size_t>(level + 1)) % 5);
            const std::optional<LinearProblemRecord> plain = generateLinearProblem(level, rawValue(relation), source);
            if (plain) expectLinearProblem(*plain, relation, where + ", plain level " + std::to_string(level));
            count(plain.has_value());
            if (level <= 4) {
                const std::optional<LinearProblemRecord> extended =
                    generateLinearProblemXL(level, rawValue(relation), source);
                if (extended) {
                    expectExtendedProblem(*extended, level, relation,
                                          where + ", extended level " + std::to_string(level));
                }
                count(extended.has_value());
            }
        }
        const std::optional<std::int64_t> numerator = randomDecimalNumerator(source);
        if (numerator) {
            const std::uint64_t n = magnitude(*numerator);
            EXPECT_TRUE(n >= 1 && n <= 49 && n % 10 != 0) << where << ": " << *numerator;
        }
        count(numerator.has_value());
    }
    // The mixtures with fair answers get through many times.
    std::printf("%d problems given, %d refused\n", given, refused);
    EXPECT_GT(given, 200);
    EXPECT_GT(refused, 200);
}

}  // namespace
}  // namespace duolinear

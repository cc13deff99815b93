// Step lines in step bands: lines built by hand as the solvers build them (with
// every item kind the renderer draws) and the solvers' own worked solutions;
// then the hand-built lines mutated at random into malformed layouts.

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>
#include <tuple>

#include <gtest/gtest.h>

#include "RendererTestSupport.h"
#include "renderer/StepLines.h"
#include "solver/DuolinearModel.h"
#include "support/TestOutput.h"

namespace duolinear {
namespace {

using namespace duolinear::testing;

TagLayout term(long long coefficient, const std::string& letter, Color color = Color::black) {
    return joinLayouts("🖇", integerLayout(coefficient, color), messageLayout(letter, color));
}

TagLayout equation(long long a, const std::string& op, long long b, long long c, Color color) {
    return joinLayouts("=", joinLayouts(op, term(a, "x", color), term(b, "y", color), color), integerLayout(c, color),
                       color);
}

StepLines workedSolutionLines() {
    const TagLayout group = unaryLayout("()", joinLayouts("−", integerLayout(5), term(2, "x")));
    const TagLayout power = joinLayouts("+", joinLayouts("^", messageLayout("x"), integerLayout(2)), integerLayout(1));
    const TagLayout aligned =
        joinLayouts("🖇", messageLayout("  2x + 3y =  5", Color::red), messageLayout("   ×2", Color::gray));
    const TagLayout left = joinLayouts("+", joinLayouts("+", term(12, "x", Color::red), term(345, "y", Color::blue)),
                                       term(6789, "x", Color::green));
    return {
        messageLayout("multiply the first equation by 2\nand add the second one"),
        equation(2, "+", 3, 5, Color::red),
        equation(4, "−", 6, 7, Color::blue),
        fontLayout(Font::monospaced_system, aligned),
        blankLayouts(1)[0],
        joinLayouts("=", term(8, "x"), integerLayout(17)),
        joinLayouts("=", messageLayout("x"),
                    signedRationalLayout(-4, 3, Color::black, Color::black, Color::black, Color::black)),
        joinLayouts("=", messageLayout("y"), joinLayouts("/", group, integerLayout(3))),
        joinLayouts("=", unaryLayout("√", power, Color::magenta), unaryLayout("√3", integerLayout(4))),
        joinLayouts("=", left, joinLayouts("−", integerLayout(1011121314), term(1516, "y", Color::brown))),
    };
}

// Fits the lines to a band w x h, draws them with the band at (10, 30) into
// an image at `scale`, and checks that every line fits the width and that no
// ink falls outside the band.
std::unique_ptr<gfx::ImageSurface> expectFitsBand(const StepLines& lines, double w, double h, double scale,
                                                  const std::string& what) {
    const double x = 10, y = 30;
    const LineFontSizes sizes = fitLineFontSizes(lines, w, h, 30, kMedium);
    EXPECT_EQ(sizes.size(), lines.size()) << what;
    for (std::size_t i = 0; i < std::min(lines.size(), sizes.size()); ++i) {
        EXPECT_LE(measureRoot(lines[i], sizes[i].fitted).width, w) << what << " line " << i;
    }
    auto image = std::make_unique<gfx::ImageSurface>(w + 2 * x, h + 2 * y, scale);
    {
        gfx::DrawingScope scope(image->context());
        drawStepLines(lines, sizes, x, y);
    }
    const gfx::testing::InkBounds ink = gfx::testing::inkBounds(*image);
    EXPECT_TRUE(!ink.any || (ink.minX >= scale * x && ink.minY >= scale * y && ink.maxX < scale * (x + w) &&
                             ink.maxY < scale * (y + h)))
        << what;
    return image;
}

TEST(WorkedSolution, EveryLineFitsItsBandAndNothingIsDrawnOutside) {
    // A phone's step band, one that the width decides, and one that the height decides.
    const StepLines lines = workedSolutionLines();
    for (auto [name, w, h] : {std::tuple{"phone", 380.0, 586.0}, {"narrow", 200.0, 586.0}, {"short", 380.0, 180.0}}) {
        const auto image = expectFitsBand(lines, w, h, 2.0, name);
        image->writePng(gfx::testing::outputPath(std::string("renderer-worked-solution-") + name + ".png"));
        EXPECT_TRUE(redInk(*image).any && blueInk(*image).any) << name;
        EXPECT_LT(fitLineFontSizes(lines, w, h, 30, kMedium).back().fitted, 30) << name;  // the long line shrank
    }

    // Every step of the solvers' worked solutions, for each method and for
    // systems with one, no and infinitely many solutions, in a phone's band.
    const long long systems[][6] = {{123, -457, 789, -246, 311, -505},
                                    {2, 4, 1, 3, -1, 2},
                                    {1, 2, 3, 2, 4, 7},
                                    {1, -1, 0, -3, 3, 0},
                                    {0, 5, 10, 7, 0, -21}};
    int inkedSteps = 0;
    for (Duolinear_method method :
         {Duolinear_method::addition, Duolinear_method::elimination, Duolinear_method::substitution}) {
        for (const auto& s : systems) {
            DuolinearModel model{{Rational{s[0], 1}, Rational{s[1], 1}},
                                 {Rational{s[2], 1}},
                                 {Rational{s[3], 1}, Rational{s[4], 1}},
                                 {Rational{s[5], 1}}};
            model.method = method;
            model.use_LCM = Duolinear_LCM::smart;
            const WorkedSolution solution = model.workedSolution();
            ASSERT_GE(solution.steps.size(), 2u);
            for (std::size_t step = 0; step < solution.steps.size(); ++step) {
                const std::string what =
                    rawValue(method) + " " + std::to_string(s[0]) + " step " + std::to_string(step);
                const auto image = expectFitsBand(solution.steps[step], 380, 586, 1.0, what);
                inkedSteps += gfx::testing::inkBounds(*image).any;
            }
        }
    }
    EXPECT_GT(inkedSteps, 3 * 5 * 2);
}

// Mutations from a fixed seed, so every run tries the same cases: indexes
// that are no number, out of range or point at their own or a later row; rows
// cut off, lost, repeated or swapped; entries that name no kind or colour.
struct Mutator {
    std::mt19937 engine{20240611};

    std::size_t below(std::size_t n) {
        return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(engine);
    }

    std::string token(std::size_t rows, std::size_t row) {
        static const char* const words[] = {"BLANK",   "x",         "",     "-1",      "99999999999999999999",
                                            "join",    "unary",     "font", "message", "rational",
                                            "plug_in", "invisible", "Red",  "/",       "^",
                                            "🖇",    "=",         "√4",   "()",      "monospaced system",
                                            "\n",      "\xff\xfe",  "-",    "1.5"};
        const std::size_t pick = below(4);
        if (pick == 0) return std::to_string(below(rows + 2));
        if (pick == 1) return std::to_string(row + below(2));  // itself or the row after it
        return words[below(std::size(words))];
    }

    TagLayout mutate(TagLayout layout) {
        for (std::size_t count = 1 + below(4); count > 0; --count) {
            const std::size_t r = below(layout.size());
            const auto at = layout.begin() + static_cast<long>(r);
            const std::size_t what = layout.empty() ? 4 : below(7);
            if (what <= 1 && !layout[r].empty()) layout[r].set(below(layout[r].size()), token(layout.size(), r));
            if (what == 2) layout.erase(at);
            if (what == 3) layout.insert(at, TagRow(layout[below(layout.size())]));
            if (what == 4) layout.resize(below(layout.size() + 1));
            if (what == 5) layout[r].empty() ? layout[r].push_back(token(layout.size(), r)) : layout[r].pop_back();
            if (what == 6) std::swap(layout[r], layout[below(layout.size())]);
        }
        return layout;
    }
};

TEST(WorkedSolution, MutatedLinesNeverCrashAndMeasureFinite) {
    const StepLines seeds = workedSolutionLines();
    Mutator mutator;
    gfx::ImageSurface image(200, 120);
    const double sizes[] = {30, 13.7, 0.5, 96};
    for (int round = 0; round < 3000; ++round) {
        const TagLayout layout = mutator.mutate(seeds[mutator.below(seeds.size())]);
        const std::string root = lineRootIndex(layout);
        const double size = sizes[mutator.below(std::size(sizes))];
        const LayoutSize measured = measureLayout(layout, root, size, kMedium);
        ASSERT_TRUE(std::isfinite(measured.width) && std::isfinite(measured.height) && std::isfinite(measured.ascent));
        drawLayout(layout, root, 10, 60, size, kMedium);  // no context: strokes skipped
        gfx::DrawingScope scope(image.context());
        drawLayout(layout, root, "monospaced system", 10, 60, size, gfx::FontWeight::light());
    }
}

}  // namespace
}  // namespace duolinear

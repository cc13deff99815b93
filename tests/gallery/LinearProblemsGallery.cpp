// Worked solutions of linear equation models, one picture per step, drawn
// through the real step renderer: a nested bracket form and a generated
// practice problem with a unit fraction.

#include <string>

#include "gallery/RendererPictures.h"
#include "linear_problems/Linear_Equation_Model.h"
#include "support/ScriptedRandom.h"

namespace duolinear::gallery {
namespace {

constexpr double kWidth = 620, kMargin = 10, kLineHeight = 56;

// slack: how far ink may pass the box. The renderer draws brackets 1.125
// times as tall as their content but measures them as their content, so
// their tops rise about 1.5 points above the line's box at 30 points.
void drawSolution(const LinearWorkedSolution& solution, const std::string& name, double slack) {
    ASSERT_FALSE(solution.steps.empty());
    for (std::size_t i = 0; i < solution.steps.size(); ++i) {
        const StepLines& lines = solution.steps[i];
        const double height = kLineHeight * static_cast<double>(lines.size());
        const LineFontSizes sizes = fitLineFontSizes(lines, kWidth, height, 30, gfx::FontWeight::medium());
        const auto image = drawStepInBand(lines, sizes, gfx::Rect::make(kMargin, kMargin, kWidth, height), kMargin,
                                          slack, name + " step " + std::to_string(i));
        savePicture(*image, name + "-step-" + std::to_string(i) + ".png");
    }
}

TEST(LinearProblemsGallery, NestedBracketForm) {
    // 2 + 3(x − (4x − 5)) ≥ -6
    const LinearEquationModel model{
        " a + b(cx + d(ex + f)) ? g ",
        {{'a', {2, 1}}, {'b', {3, 1}}, {'c', {1, 1}}, {'d', {-1, 1}}, {'e', {4, 1}}, {'f', {-5, 1}}},
        {{'g', {-6, 1}}},
        Relation::greater_than_or_equal_to,
        Technique::balance,
        Style::fraction,
        Method::standard};
    drawSolution(model.solveLinearEquation(), "linear-nested-brackets", 2.0);
}

TEST(LinearProblemsGallery, GeneratedUnitFractionProblem) {
    testing::ScriptedRandom random{2, -2, 9, 4};  // level 2, variant 2: x/(-2) + 9 < 4
    const std::optional<LinearProblemRecord> record = generateLinearProblem(2, "<", random);
    ASSERT_TRUE(record);
    const std::vector<std::string>& in = record->inputs[0][0];
    const LinearEquationModel model{
        in.back(),
        {{'a', {std::stoll(in[0]), std::stoll(in[1])}}, {'b', {std::stoll(in[2]), std::stoll(in[3])}}},
        {{'c', {std::stoll(in[5]), std::stoll(in[6])}}},
        Relation::less_than,
        Technique::transpose,
        Style::rational_fraction,
        Method::standard};
    drawSolution(model.solveLinearEquation(), "linear-unit-fraction", 1.0);
}

}  // namespace
}  // namespace duolinear::gallery

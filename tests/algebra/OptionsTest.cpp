#include <gtest/gtest.h>

#include "algebra/Options.h"

namespace duolinear {
namespace {

TEST(Options, LabelsAreExactAndConvertBack) {
    // The escapes pin the superscript, division slash and subscript characters.
    EXPECT_EQ(rawValue(Style::fraction), "show as \u00B9\u2215\u2083 x");
    EXPECT_EQ(rawValue(Style::rational_fraction), "show as \u02E3\u2215\u2083");
    EXPECT_EQ(rawValue(Status::unique), "valid solution");
    EXPECT_EQ(rawValue(Status::infinite), "TRUE, solution is all values of variable");
    EXPECT_EQ(rawValue(Status::none), "FALSE, no solution");
    for (Style s : {Style::fraction, Style::rational_fraction, Style::decimal})
        EXPECT_EQ(styleFromRawValue(rawValue(s)), s);
    for (Status s : {Status::unique, Status::infinite, Status::none}) EXPECT_EQ(statusFromRawValue(rawValue(s)), s);
    using Q = Quadratic_status;
    const std::pair<Q, const char*> statuses[] = {{Q::rational_repeated, "repeated rational solution"},
                                                  {Q::rational_distinct, "distinct rational solutions"},
                                                  {Q::irrational_repeated, "repeated irrational solution"},
                                                  {Q::irrational_distinct, "distinct irrational solutions"},
                                                  {Q::none, "no solution"}};
    for (const auto& [s, text] : statuses) {
        EXPECT_EQ(rawValue(s), text);
        EXPECT_EQ(quadraticStatusFromRawValue(text), s);
    }
    using M = Quadratic_method;
    const std::pair<M, const char*> methods[] = {
        {M::factor, "factor"}, {M::formula, "formula"}, {M::complete_the_square, "complete the square"}};
    for (const auto& [m, text] : methods) {
        EXPECT_EQ(rawValue(m), text);
        EXPECT_EQ(quadraticMethodFromRawValue(text), m);
    }
    EXPECT_EQ(techniqueFromRawValue("transpose"), Technique::transpose);
}

TEST(Options, ConversionsMatchWholeTextsOnly) {
    EXPECT_EQ(styleFromRawValue("show as \u00B9\u2215\u2083"), std::nullopt);
    EXPECT_EQ(styleFromRawValue("show as \u00B9/\u2083 x"), std::nullopt);
    EXPECT_EQ(styleFromRawValue("show as \u00B9\u2215\u2083 x "), std::nullopt);
    EXPECT_EQ(methodFromRawValue("Smart"), std::nullopt);
    EXPECT_EQ(statusFromRawValue("no solution"), std::nullopt);  // that text is a quadratic status
    EXPECT_EQ(quadraticStatusFromRawValue("no solution"), Quadratic_status::none);
    EXPECT_EQ(varFromRawValue('X'), std::nullopt);
    EXPECT_EQ(varFromRawValue('z'), Var::z);
    EXPECT_EQ(character(Var::y), 'y');
    // A category's raw value is its degree.
    const Category byDegree[] = {Category::constant, Category::linear, Category::quadratic, Category::cubic};
    for (int degree = 0; degree < 4; ++degree) EXPECT_EQ(categoryFromRawValue(degree), byDegree[degree]) << degree;
    EXPECT_EQ(categoryFromRawValue(-1), Category::error);
    EXPECT_EQ(categoryFromRawValue(4), std::nullopt);
    EXPECT_EQ(categoryFromRawValue(-2), std::nullopt);
}

}  // namespace
}  // namespace duolinear

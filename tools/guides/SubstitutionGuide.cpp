// The substitution guide: express one variable, substitute it into the other
// equation, solve, and substitute back.

#include <optional>

#include "guides/Examples.h"
#include "guides/Guides.h"
#include "guides/PageText.h"
#include "solver/DuolinearMenus.h"

namespace duolinear::guides {

namespace {

constexpr Duolinear_method kMethod = Duolinear_method::substitution;

const SystemSpec kExample{3, 2, 12, 1, 2, 8};
const SystemSpec kUnitCoefficient{2, 1, 7, 3, -2, 0};
const SystemSpec kNoSolution{1, 1, 1, 2, 2, 5};

void appendStep(Page& page, const std::optional<StepBlock>& step, const std::string& source) {
    if (!step) return;
    page.blocks.push_back(note(source));
    page.blocks.push_back(*step);
}

Example firstExample() {
    return {"Example 1", kExample, {kMethod, Duolinear_variable::x, Duolinear_equation::second, Duolinear_LCM::LCM},
            "",          {},       true};
}

Page planPage() {
    return {{
        heading("The idea"),
        para("If you know what x equals in terms of y, you can write that in place of x in the other equation. "
             "That equation then holds y alone, and you can solve it."),
        numbered(1,
                 "From one equation, express one variable in terms of the other, for example "
                 "x\u00A0=\u00A08\u00A0\u2212\u00A02y."),
        numbered(2, "Substitute this expression for that variable in the other equation."),
        numbered(3, "Solve that equation: it has one variable now."),
        numbered(4, "Put the value found into the expression to get the other variable."),
        para("Example 1 solves " + firstEquationText(kExample) + " and " + secondEquationText(kExample) +
             ", expressing x from the second equation, where its coefficient is 1. The app's first step:"),
        openingStep(firstExample()),
    }};
}

Chapter methodChapter() {
    Chapter chapter;
    chapter.title = "The method";
    // The guide screen has no button for this chapter; it starts where the
    // introduction leaves room for it before the technique.
    chapter.firstPage = 3;
    for (Page& page : examplePages(firstExample())) chapter.front.push_back(std::move(page));
    chapter.front.insert(chapter.front.begin(), planPage());
    for (Pages& extra : exerciseExtras(exerciseSystems(), methodName(kMethod))) chapter.extras.push_back(extra);
    return chapter;
}

Page variableChoicePage() {
    const std::vector<std::string> options = Duolinear_substitution_menu::variableOptions();
    Page page{{
        heading("Which variable to express"),
        para("The entry screen offers " + quoted(options[0]) + " and " + quoted(options[1]) +
             ". Both lead to the same answer. Express a variable whose coefficient is 1 or \u22121: then nothing "
             "needs dividing and no fractions appear."),
        para("In " + firstEquationText(kUnitCoefficient) + " that is y, so " + quoted(options[1]) +
             " gives y\u00A0=\u00A07\u00A0\u2212\u00A02x at once."),
        para("When no coefficient is 1 or \u22121, express the variable with the smallest coefficient. Fractions "
             "appear then; the next two pages show how the app deals with them."),
    }};
    appendStep(page,
               stepWithCaption(kUnitCoefficient,
                               {kMethod, Duolinear_variable::y, Duolinear_equation::first, Duolinear_LCM::LCM},
                               "y in terms of x"),
               "The app's step for " + firstEquationText(kUnitCoefficient) + " and " +
                   secondEquationText(kUnitCoefficient) + ":");
    return page;
}

Page equationChoicePage() {
    const std::vector<std::string> options = Duolinear_substitution_menu::equationOptions();
    Page page{{
        heading("Which equation to use"),
        para(quoted(options[0]) + " and " + quoted(options[1]) +
             " choose the equation the variable is expressed from; the expression then goes into the other "
             "equation. Pick the equation where the variable's coefficient is 1 or \u22121, or else the smallest."),
        para("Example 1 with " + quoted(options[0]) + " expresses x from " + firstEquationText(kExample) +
             ". The coefficient 3 has to be divided out, and fractions appear:"),
    }};
    appendStep(
        page,
        stepWithCaption(kExample, {kMethod, Duolinear_variable::x, Duolinear_equation::first, Duolinear_LCM::LCM},
                        "x in terms of y"),
        "The app's step:");
    return page;
}

Page bracketsPage() {
    Page page{{
        heading("Brackets and fractions"),
        para("The expression goes into the other equation in brackets, because the coefficient there multiplies "
             "all of it. Multiplying out, every term of the bracket is multiplied, and a minus in front of the "
             "bracket changes every sign inside."),
        para("Fractions are no reason to worry: the app clears them by multiplying through, and the answer "
             "comes out the same as without them."),
    }};
    appendStep(
        page,
        stepWithCaption(kExample, {kMethod, Duolinear_variable::x, Duolinear_equation::first, Duolinear_LCM::LCM},
                        "substitute in "),
        "The expression from the previous page, substituted into " + secondEquationText(kExample) + ":");
    return page;
}

Chapter techniqueChapter() {
    Chapter chapter;
    chapter.title = "Technique";
    chapter.firstPage = 8;
    chapter.front = {variableChoicePage(),     equationChoicePage(),      bracketsPage(),
                     movingTermsPage(kMethod), commonFactorPage(kMethod), shortcutPage(kMethod),
                     specialCasesPage(kMethod)};
    chapter.extras.push_back(examplePages(
        {"Example 2",
         kNoSolution,
         {kMethod, Duolinear_variable::x, Duolinear_equation::first, Duolinear_LCM::LCM},
         firstEquationText(kNoSolution) + " and " + secondEquationText(kNoSolution) +
             " have no solution. Substituting x\u00A0=\u00A01\u00A0\u2212\u00A0y into the second equation:",
         {"substitute in ", "\U0001F60E"},
         true}));
    chapter.back = {checkingPage(kMethod), glossaryPage(kMethod)};
    return chapter;
}

}  // namespace

Guide substitutionGuide() {
    return {"Duolinear_Equations_Substitution_Guide",
            "Substitution guide",
            {introChapter(kMethod), methodChapter(), techniqueChapter()}};
}

}  // namespace duolinear::guides

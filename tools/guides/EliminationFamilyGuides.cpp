// The addition and elimination guides. Both methods remove a variable by
// combining the equations; they differ in how: addition always adds (one
// multiplier may be negative), elimination adds or subtracts.

#include <optional>

#include "guides/Examples.h"
#include "guides/Guides.h"
#include "guides/PageText.h"
#include "solver/DuolinearMenus.h"
#include "solver/EliminationMultipliers.h"

namespace duolinear::guides {

namespace {

const SystemSpec kExample{2, 3, 7, 1, -1, 1};
const SystemSpec kNoSolution{1, 1, 1, 2, 2, 5};
const SystemSpec kSameLine{2, 4, 6, 1, 2, 3};
const SystemSpec kMultiples{4, 3, 10, 6, -5, -4};
const SystemSpec kMatching{2, 3, 7, 2, -1, 3};

bool isAddition(Duolinear_method method) {
    return method == Duolinear_method::addition;
}

std::vector<std::string> variableOptions(Duolinear_method method) {
    return isAddition(method) ? Duolinear_addition_menu::variableOptions()
                              : Duolinear_elimination_menu::variableOptions();
}

std::vector<std::string> equationOptions(Duolinear_method method) {
    return isAddition(method) ? Duolinear_addition_menu::equationOptions()
                              : Duolinear_elimination_menu::equationOptions();
}

std::vector<std::string> lcmOptions(Duolinear_method method) {
    return isAddition(method) ? Duolinear_addition_menu::lcmOptions() : Duolinear_elimination_menu::lcmOptions();
}

void appendStep(Page& page, const std::optional<StepBlock>& step, const std::string& source) {
    if (!step) return;
    page.blocks.push_back(note(source));
    page.blocks.push_back(*step);
}

// "12x + 9y = 30 and −12x + 10y = 8": the two equations of the system times
// the multipliers the app picks for eliminating x.
std::string scaledRows(const SystemSpec& s, Duolinear_method method, Duolinear_LCM lcm) {
    const std::optional<EliminationMultipliers> k =
        eliminationMultipliers({.a1 = s.a1, .b1 = s.b1, .a2 = s.a2, .b2 = s.b2}, {.use_LCM = lcm, .method = method});
    if (!k) return {};
    return equationText(k->k1 * s.a1, k->k1 * s.b1, k->k1 * s.c1) + " and " +
           equationText(k->k2 * s.a2, k->k2 * s.b2, k->k2 * s.c2);
}

// "the first equation is multiplied by 3, the second by −2, so that 4 and 6
// become 12 and −12": the multipliers the app shows for x-coefficients 4 and 6.
std::string fourAndSixMultiplied(Duolinear_method method, Duolinear_LCM lcm) {
    const std::optional<EliminationMultipliers> k =
        eliminationMultipliers({.a1 = 4, .b1 = 1, .a2 = 6, .b2 = 1}, {.use_LCM = lcm, .method = method});
    if (!k) return {};
    return "the first equation is multiplied by " + numberText(k->k1) + ", the second by " + numberText(k->k2) +
           ", so that 4 and 6 become " + numberText(4 * k->k1) + " and " + numberText(6 * k->k2);
}

Example firstExample(Duolinear_method method) {
    return {"Example 1", kExample, {method, Duolinear_variable::x, Duolinear_equation::first, Duolinear_LCM::LCM},
            "",          {},       true};
}

Page planPage(Duolinear_method method) {
    Page page;
    page.blocks.push_back(heading("The idea"));
    if (isAddition(method)) {
        page.blocks.push_back(
            para("Adding two true equations, left side to left side and right side to right "
                 "side, gives another true equation. If one has 3y and the other \u22123y, the "
                 "sum has 0y: y is gone, and an equation in x alone is left."));
        page.blocks.push_back(numbered(1, "Choose the variable to eliminate."));
        page.blocks.push_back(numbered(2,
                                       "Multiply each equation by a number so that this variable's "
                                       "coefficients become opposites, such as 6 and \u22126."));
        page.blocks.push_back(numbered(3, "Add the equations. The variable drops out."));
    } else {
        page.blocks.push_back(
            para("Subtracting one true equation from another, left side from left side and "
                 "right side from right side, gives another true equation. If both have 2x, "
                 "the difference has 0x: x is gone, and an equation in y alone is left."));
        page.blocks.push_back(numbered(1, "Choose the variable to eliminate."));
        page.blocks.push_back(numbered(2,
                                       "Multiply each equation by a number so that this variable's "
                                       "coefficients reach the same size, such as 6 and 6."));
        page.blocks.push_back(numbered(3,
                                       "Same signs: subtract the equations. Opposite signs: add them. The "
                                       "variable drops out."));
    }
    page.blocks.push_back(numbered(4, "Solve the equation that is left."));
    page.blocks.push_back(numbered(5,
                                   "Put the value found into one of the equations and solve it for the "
                                   "other variable."));
    page.blocks.push_back(para("Example 1 follows these moves for " + firstEquationText(kExample) + " and " +
                               secondEquationText(kExample) + ", eliminating x. The app's first step:"));
    page.blocks.push_back(openingStep(firstExample(method)));
    return page;
}

Chapter methodChapter(Duolinear_method method) {
    const Choices choices{method, Duolinear_variable::x, Duolinear_equation::first, Duolinear_LCM::LCM};
    Chapter chapter;
    chapter.title = "The method";
    chapter.firstPage = 6;
    chapter.front.push_back(planPage(method));
    for (Page& page : examplePages(firstExample(method))) chapter.front.push_back(std::move(page));
    const std::vector<std::string> keySteps{"solve equations for ", "\U0001F60E"};
    chapter.extras.push_back(
        examplePages({"Example 2", kNoSolution, choices,
                      "What if there is no solution? " + firstEquationText(kNoSolution) + " and " +
                          secondEquationText(kNoSolution) + " give parallel lines. The method runs as before, until:",
                      keySteps, true}));
    chapter.extras.push_back(examplePages({"Example 3", kSameLine, choices,
                                           firstEquationText(kSameLine) + " and " + secondEquationText(kSameLine) +
                                               " are the same line. Again the method runs as before, until:",
                                           keySteps, true}));
    for (Pages& extra : exerciseExtras(exerciseSystems(), methodName(method))) chapter.extras.push_back(extra);
    return chapter;
}

Page variableChoicePage(Duolinear_method method) {
    const std::vector<std::string> options = variableOptions(method);
    Page page{{
        heading("Which variable to eliminate"),
        para("The entry screen offers " + quoted(options[0]) + " and " + quoted(options[1]) +
             ". Both lead to the same answer; only the amount of work differs. Look at the coefficients of each "
             "variable and prefer the one whose coefficients"),
        bullet("are already " + std::string(isAddition(method) ? "opposites" : "equal or opposite") +
               ": no multiplying at all;"),
        bullet("are multiples, such as 3 and 6: only one equation is multiplied;"),
        bullet("are small: the numbers stay small."),
    }};
    appendStep(page,
               stepWithCaption(kExample, {method, Duolinear_variable::y, Duolinear_equation::first, Duolinear_LCM::LCM},
                               "commentary"),
               "Example 1 with " + quoted(options[1]) +
                   ": the y-coefficients 3 and \u22121 only need the second "
                   "equation multiplied by 3.");
    return page;
}

Page multiplierChoicePage(Duolinear_method method) {
    const std::vector<std::string> options = lcmOptions(method);
    return {{
        heading("The multipliers: " + options[0] + " or " + options[1]),
        para("The multipliers bring the two coefficients of the eliminated variable to a common size. The "
             "entry screen offers two ways to choose it."),
        bullet(quoted(options[0]) +
               ": the least common multiple, the smallest number both coefficients go "
               "into. For 4 and 6 that is 12: " +
               fourAndSixMultiplied(method, Duolinear_LCM::LCM) + "."),
        bullet(quoted(options[1]) +
               ": when one coefficient is a multiple of the other, only the smaller one's "
               "equation is multiplied. Otherwise each equation is multiplied by the other's coefficient, "
               "reaching 24 for 4 and 6: " +
               fourAndSixMultiplied(method, Duolinear_LCM::smart) + "."),
        para("Both remove the variable and give the same answer. The LCM keeps the numbers smallest; " +
             quoted(options[1]) +
             " needs no LCM to be found, which is quicker when the numbers are small or "
             "one is a multiple of the other."),
        para(isAddition(method)
                 ? "Because addition always adds, a multiplier is negative when the two coefficients have the "
                   "same sign, so that they become opposites."
                 : "Elimination keeps the multipliers positive and subtracts the equations when the "
                   "coefficients have the same sign."),
    }};
}

Page multiplierComparisonPage(Duolinear_method method) {
    const std::vector<std::string> options = lcmOptions(method);
    const Choices smart{method, Duolinear_variable::x, Duolinear_equation::first, Duolinear_LCM::smart};
    Page page{{
        heading("The two ways side by side"),
        para("Take " + firstEquationText(kMultiples) + " and " + secondEquationText(kMultiples) +
             ", eliminating x. With " + quoted(options[0]) + " the equations become " +
             scaledRows(kMultiples, method, Duolinear_LCM::LCM) + "; with " + quoted(options[1]) + " they become " +
             scaledRows(kMultiples, method, Duolinear_LCM::smart) +
             ". Bigger numbers, same answer: x\u00A0=\u00A01, "
             "y\u00A0=\u00A02."),
    }};
    appendStep(page, stepWithCaption(kMultiples, smart, "commentary"),
               "The app's commentary with " + quoted(options[1]) + ":");
    return page;
}

Page equationChoicePage(Duolinear_method method) {
    const std::vector<std::string> options = equationOptions(method);
    Page page{{
        heading("Which equation takes the value"),
        para("Once one variable is known, its value goes into one of the two equations you typed: " +
             quoted(options[0]) + " or " + quoted(options[1]) +
             ". Either gives the same value of the other variable. Choose the simpler one: small numbers, and "
             "best a coefficient of 1 or \u22121 on the variable still to find, so that nothing needs dividing."),
    }};
    appendStep(
        page,
        stepWithCaption(kExample, {method, Duolinear_variable::x, Duolinear_equation::second, Duolinear_LCM::LCM},
                        "solve second for "),
        "Example 1 with " + quoted(options[1]) + ": in " + secondEquationText(kExample) + " the x needs no dividing.");
    return page;
}

Page methodDifferencePage(Duolinear_method method) {
    const Choices choices{method, Duolinear_variable::x, Duolinear_equation::first, Duolinear_LCM::LCM};
    if (isAddition(method)) {
        Page page{{
            heading("Why always add?"),
            para("The elimination method subtracts the equations when the coefficients have the same sign. "
                 "Subtracting changes the sign of every term of the row taken away, and a single forgotten sign "
                 "spoils the answer."),
            para("Addition avoids subtracting: it multiplies one equation by a negative number instead, so the "
                 "coefficients are opposites and the equations are always added. For " +
                 firstEquationText(kMatching) + " and " + secondEquationText(kMatching) +
                 " the second equation is multiplied by \u22121:"),
        }};
        appendStep(page, stepWithCaption(kMatching, choices, "solve equations for "),
                   "The app's step for this system:");
        return page;
    }
    Page page{{
        heading("Subtract with care"),
        para("When the coefficients of the eliminated variable have the same sign, the equations are "
             "subtracted: the second row is taken away from the first. Every term of the second row changes its "
             "sign, the number on the right too. The app writes \u201Ccare\u201D beside that row as a reminder."),
        para("For " + firstEquationText(kMatching) + " and " + secondEquationText(kMatching) +
             " both x-coefficients are 2, so nothing needs multiplying: 3y \u2212 (\u2212y) is 4y, and "
             "7 \u2212 3 is 4."),
    }};
    appendStep(page, stepWithCaption(kMatching, choices, "solve equations for "), "The app's step for this system:");
    return page;
}

Chapter techniqueChapter(Duolinear_method method, int firstPage) {
    Chapter chapter;
    chapter.title = "Technique";
    chapter.firstPage = firstPage;
    chapter.front = {variableChoicePage(method),   multiplierChoicePage(method), multiplierComparisonPage(method),
                     methodDifferencePage(method), equationChoicePage(method),   movingTermsPage(method),
                     commonFactorPage(method),     shortcutPage(method),         specialCasesPage(method),
                     checkingPage(method),         glossaryPage(method)};
    return chapter;
}

}  // namespace

Guide additionGuide() {
    return {"Duolinear_Equations_Addition_Guide",
            "Addition guide",
            {introChapter(Duolinear_method::addition), methodChapter(Duolinear_method::addition),
             techniqueChapter(Duolinear_method::addition, 15)}};
}

Guide eliminationGuide() {
    return {"Duolinear_Equations_Elimination_Guide",
            "Elimination guide",
            {introChapter(Duolinear_method::elimination), methodChapter(Duolinear_method::elimination),
             techniqueChapter(Duolinear_method::elimination, 16)}};
}

}  // namespace duolinear::guides

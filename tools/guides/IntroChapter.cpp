#include "guides/Guides.h"
#include "guides/PageText.h"

namespace duolinear::guides {

namespace {

const SystemSpec kOneSolution{2, 3, 7, 1, -1, 1};
const SystemSpec kNoSolution{1, 1, 1, 2, 2, 5};
const SystemSpec kSameLine{2, 4, 6, 1, 2, 3};

Page twoUnknownsPage(Duolinear_method method) {
    const std::string buttons = method == Duolinear_method::substitution
                                    ? "The buttons at the top of the guide screen jump to the introduction and to "
                                      "the technique; swipe to turn the pages."
                                    : "The buttons at the top of the guide screen jump to the three chapters; swipe "
                                      "to turn the pages.";
    return {{
        heading("Two equations, two unknowns"),
        para("An equation such as " + firstEquationText(kOneSolution) +
             " has two unknown numbers, x and y. Many pairs of numbers make it true: x\u00A0=\u00A02 with "
             "y\u00A0=\u00A01, x\u00A0=\u00A05 with y\u00A0=\u00A0\u22121, and endlessly more. Its graph is a "
             "straight line, which is why it is called linear."),
        para("A system of two linear equations asks for numbers that make two such equations true at the same "
             "time:"),
        LinesBlock{systemLines(kOneSolution), 26.0},
        para("A solution of the system is one pair, x and y, that fits both equations. Here it is x\u00A0=\u00A02 "
             "and y\u00A0=\u00A01, because " +
             checkText(kOneSolution) + "."),
        heading("This guide"),
        para("This guide teaches the " + methodName(method) +
             " method in three chapters: this introduction; the method itself, step by step, with examples drawn "
             "exactly as the app draws its steps; and the technique, the choices the app offers and when to use "
             "them. " +
             buttons),
    }};
}

Page threeCasesPage() {
    return {{
        heading("One, none or infinitely many"),
        para("Each equation is a straight line. Two lines can meet in three ways, and so a system has one "
             "solution, none, or infinitely many."),
        GraphBlock{{graphOf(kOneSolution, "one solution"), graphOf(kNoSolution, "no solution"),
                    graphOf(kSameLine, "infinitely many")},
                   96.0},
        bullet("One solution: the lines cross in one point, and its x and y are the solution. " +
               firstEquationText(kOneSolution) + " and " + secondEquationText(kOneSolution) +
               " cross at x\u00A0=\u00A02, y\u00A0=\u00A01."),
        bullet("No solution: the lines are parallel. " + firstEquationText(kNoSolution) + " and " +
               secondEquationText(kNoSolution) + " cannot both hold: doubling the first gives " +
               equationText(2, 2, 2) + ", and 2 is not 5."),
        bullet("Infinitely many: both equations describe the same line, so every point of it is a solution. " +
               firstEquationText(kSameLine) + " is " + secondEquationText(kSameLine) + " doubled."),
        para("The app finds out which case it is and says so in its last step: \u201Cone solution\u201D, "
             "\u201Cno solution\u201D or \u201Cinfinite solutions\u201D."),
    }};
}

Page usingTheAppPage(Duolinear_method method) {
    const std::string name = methodName(method);
    return {{
        heading("Using the app"),
        numbered(1, "On the start screen choose " + name + ", then its entry screen."),
        numbered(2,
                 "Tap a field and type the three numbers of each equation: the coefficient of x, the "
                 "coefficient of y and the number on the right. +/- changes the sign; a missing term is 0."),
        numbered(3,
                 "Pick the options in the rows above the six fields; the chosen one of each row is green. The "
                 "technique chapter explains them."),
        numbered(4,
                 "Press \U0001F914. The step screen shows the worked solution one step at a time: tap the "
                 "bottom of the screen right of the middle for the next step, left of it for the step "
                 "before."),
        para("The practice screen makes up systems for you: pick a level, then press \U0001F914."),
        heading("Reading the steps"),
        bullet("The caption at the top says what a step does: \U0001F914 marks the first step and \U0001F60E "
               "the answer."),
        bullet("Red belongs to the first equation, blue to the second."),
        bullet("\u201Cadvisory\u201D marks advice that the working does not depend on; \u201Coops\u201D marks "
               "an entry to correct."),
    }};
}

Page whyTwoPage() {
    return {{
        heading("Why two equations?"),
        para("One equation with one unknown, such as 3x\u00A0=\u00A06, pins it down: x\u00A0=\u00A02."),
        para("One equation with two unknowns does not. In " + firstEquationText(kOneSolution) +
             " you may choose x freely and work out y from it:"),
        bullet("x\u00A0=\u00A02 gives 3y\u00A0=\u00A03, so y\u00A0=\u00A01;"),
        bullet("x\u00A0=\u00A05 gives 3y\u00A0=\u00A0\u22123, so y\u00A0=\u00A0\u22121;"),
        bullet("x\u00A0=\u00A00 gives 3y\u00A0=\u00A07, so y\u00A0=\u00A07/3."),
        para("Every choice of x gives a pair, and every pair is a point on the line. A second equation is a "
             "second line, and usually only one of all those pairs lies on both. Two unknowns need two "
             "equations; that is why the entry screen asks for two."),
        para("Every method in this app does the same thing at heart: it turns the two equations into one "
             "equation with one unknown, solves that, and then finds the other unknown."),
    }};
}

Page checkingBasicsPage() {
    return {{
        heading("Is it a solution?"),
        para("To test a pair of numbers, put them in place of x and y in both equations and work out each left "
             "side. The pair is a solution only if both sides agree in both equations."),
        LinesBlock{systemLines(kOneSolution), 24.0},
        bullet("x\u00A0=\u00A02, y\u00A0=\u00A01: " + checkText(kOneSolution) + ". Both hold: a solution."),
        bullet("x\u00A0=\u00A05, y\u00A0=\u00A0\u22121: 2\u00B75 + 3\u00B7(\u22121)\u00A0=\u00A07 holds, but "
               "5\u00A0\u2212\u00A0(\u22121)\u00A0=\u00A06, not 1. Not a solution: the point lies on the first line "
               "only."),
        bullet("x\u00A0=\u00A01, y\u00A0=\u00A00: 1 \u2212 0\u00A0=\u00A01 holds, but 2\u00B71 + 3\u00B70 = 2, "
               "not 7. Not a solution either."),
        para("This test is also the best way to check your own answer at the end of a method."),
    }};
}

Page wordProblemPage() {
    return {{
        heading("From words to a system"),
        para("Systems come from questions with two unknown amounts. For example:"),
        para("\u201CTwo pens and three pencils cost 7 coins. A pen costs 1 coin more than a pencil. What does "
             "each cost?\u201D"),
        para("Let x be the price of a pen and y the price of a pencil. The first sentence says "
             "2x\u00A0+\u00A03y\u00A0=\u00A07. The second says x\u00A0=\u00A0y\u00A0+\u00A01, which is "
             "x\u00A0\u2212\u00A0y\u00A0=\u00A01 once y is moved to the left."),
        LinesBlock{systemLines(kOneSolution), 24.0},
        para("This is the system of the first page. Its solution, x\u00A0=\u00A02 and y\u00A0=\u00A01, answers "
             "the question: a pen costs 2 coins and a pencil 1 coin."),
        para("To type it into the app, write each equation in the form a\u00B7x + b\u00B7y = c first: the "
             "unknowns on the left, the number on the right."),
    }};
}

}  // namespace

std::string methodName(Duolinear_method method) {
    return rawValue(method);
}

Chapter introChapter(Duolinear_method method) {
    Chapter chapter;
    chapter.title = "Introduction";
    chapter.firstPage = 0;
    chapter.front = {twoUnknownsPage(method), threeCasesPage()};
    chapter.extras = {{whyTwoPage()}, {checkingBasicsPage()}, {wordProblemPage()}};
    chapter.back = {usingTheAppPage(method)};
    return chapter;
}

}  // namespace duolinear::guides

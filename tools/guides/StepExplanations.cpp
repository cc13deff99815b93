#include "guides/StepExplanations.h"

#include <optional>

#include "guides/PageText.h"

namespace duolinear::guides {

namespace {

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.rfind(prefix, 0) == 0;
}

bool endsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::optional<Duolinear_solution_type> typeOf(const SystemSpec& system) {
    const std::optional<DuolinearClassification> verdict = classificationOf(system);
    if (!verdict) return std::nullopt;
    return verdict->type;
}

StepExplanation opening() {
    return {"The system as you typed it",
            {"The first step shows the two equations, one under the other. A term whose coefficient is 0 is "
             "left out, so 0x + 2y = 4 shows as 2y = 4.",
             "The \U0001F914 at the top marks the question: which pair of numbers, x and y, makes both equations "
             "true at the same time? Tap the right half of the bottom of the step screen for the next step."}};
}

StepExplanation advisory() {
    return {"A common factor",
            {"All three numbers of an equation can be divided by the same whole number. The app names their "
             "greatest common divisor (GCD), writes the equation with that factor in front of a bracket, and "
             "shows the smaller equation that is left.",
             "This step is advice only: the steps after it use the equations as you typed them. On paper, "
             "divide first and keep the numbers small; that is what \u201Calways consider\u201D means."}};
}

StepExplanation commentary(const Choices& choices) {
    if (choices.method == Duolinear_method::addition)
        return {"Plan: make opposite coefficients",
                {"The equations are grey except for the coefficients of the variable to eliminate. The app "
                 "compares those two numbers: do they have the same size (absolute value), and the same sign or "
                 "opposite signs?",
                 "Adding the equations removes a variable only when its two coefficients are opposites, such as 6 "
                 "and \u22126. So each equation gets a multiplier: the red line is for the first equation, the blue "
                 "line for the second. An equation that already fits \u201Cis fine\u201D. When both coefficients "
                 "have the same sign, one multiplier is negative.",
                 "The last lines check the plan: the same absolute values, opposite signs, ADD THE EQUATIONS."}};
    return {"Plan: make the coefficients match",
            {"The equations are grey except for the coefficients of the variable to eliminate. The app compares "
             "those two numbers: do they have the same size (absolute value), and the same sign or opposite "
             "signs?",
             "Each equation gets a multiplier so that both coefficients reach the same size: the red line is for "
             "the first equation, the blue line for the second. An equation that already fits \u201Cis fine\u201D.",
             "The last lines say what removes the variable: with the same sign SUBTRACT THE EQUATIONS, with "
             "opposite signs ADD THE EQUATIONS."}};
}

// What is left once the eliminated variable is gone, by the kind of system.
std::string vanishing(std::optional<Duolinear_solution_type> type) {
    if (type == Duolinear_solution_type::none)
        return "Here both variables vanish at once, but the numbers on the right do not: the last row says 0 "
               "equals a number that is not 0. That is false whatever x and y are, so the system has no "
               "solution.";
    if (type == Duolinear_solution_type::infinite)
        return "Here everything cancels: both variables and the number on the right. The last row says 0 = 0, "
               "which is true whatever x and y are. The two equations say the same thing, so the system has "
               "infinitely many solutions.";
    return "The eliminated variable's coefficients cancel to 0, so it is gone. What is left is an equation in "
           "one variable; its working starts at the bottom of the step.";
}

StepExplanation combination(const SystemSpec& system, const Choices& choices) {
    const std::optional<Duolinear_solution_type> type = typeOf(system);
    const bool adding = choices.method == Duolinear_method::addition;
    StepExplanation explanation{adding ? "Multiply, add, solve" : "Multiply, then add or subtract", {}};
    if (type != Duolinear_solution_type::one) {
        explanation.paragraphs = {"The equations are multiplied and " + std::string(adding ? "added" : "combined") +
                                      " just as for a system with one solution.",
                                  vanishing(type)};
        return explanation;
    }
    explanation.paragraphs.push_back(
        "The top lines repeat the plan. Below them the equations are written in columns, x under x, y under y, "
        "numbers under numbers: first as you typed them, then multiplied. Every term is multiplied, the number "
        "on the right too.");
    explanation.paragraphs.push_back(
        adding ? "Under the rule stands the sum, column by column. " + vanishing(type)
               : "Under the rule stands the sum or the difference, column by column. When subtracting, every "
                 "sign of the second row changes; \u201Ccare\u201D beside that row is the reminder. " +
                     vanishing(type));
    return explanation;
}

StepExplanation backSubstitution() {
    return {"Substitute back",
            {"The value just found goes back into one of the equations you typed: the one chosen with "
             "\u201Csubstitute in first\u201D or \u201Csubstitute in second\u201D. The letter and its value are "
             "red.",
             "The value takes the place of the letter, in brackets, and what is left is an equation in the other "
             "variable. Its working ends with that variable's value."}};
}

StepExplanation answer(const SystemSpec& system) {
    const std::optional<Duolinear_solution_type> type = typeOf(system);
    StepExplanation explanation{"The answer", {}};
    if (type == Duolinear_solution_type::none) {
        explanation.paragraphs = {
            "The last step repeats the system and gives the verdict: no solution. The graphs "
            "of the two equations are parallel lines; they never meet, so no point lies on "
            "both."};
    } else if (type == Duolinear_solution_type::infinite) {
        explanation.paragraphs = {
            "The last step repeats the system and gives the verdict: infinite solutions. "
            "Both equations describe the same line, and every point of it is a solution. "
            "The app writes that line in the form y\u00A0=\u00A0\u2026 (or x\u00A0=\u00A0\u2026)."};
    } else {
        explanation.paragraphs = {
            "The last step repeats the system and gives the verdict: one solution, with the "
            "values of x and y. The graphs of the two equations are lines that cross, and "
            "the solution is the point where they cross."};
        const std::string check = checkText(system);
        if (!check.empty()) explanation.paragraphs.push_back("Check by putting the values back: " + check + ".");
    }
    return explanation;
}

StepExplanation shortcut() {
    return {"A shortcut: one variable",
            {"One equation has a coefficient 0, so it holds only one variable. It needs no elimination and no "
             "substitution: it is solved on its own, whatever method you chose.",
             "When the other equation still has both variables, the value found is put into it and it is solved "
             "for the other variable. When it too has one variable, it is solved on its own as well."}};
}

StepExplanation expressed() {
    return {"Express one variable",
            {"From the chosen equation the app keeps the term of the chosen variable on the left and moves the "
             "other term to the right, changing its sign.",
             "If the chosen variable's coefficient is 1, that is already the expression. Otherwise both sides are "
             "divided by the coefficient: the app writes the right side in a bracket times 1 over the "
             "coefficient, then multiplies the bracket out."}};
}

StepExplanation substitutedExpression(const SystemSpec& system) {
    StepExplanation explanation{"Substitute the expression",
                                {"The expression (red) takes the place of its variable in the other equation, in "
                                 "brackets. Now that equation has only one variable."}};
    const std::optional<Duolinear_solution_type> type = typeOf(system);
    if (type == Duolinear_solution_type::none)
        explanation.paragraphs.push_back(
            "Multiplying out the bracket, the variable cancels too, and a false "
            "statement is left: two different numbers said to be equal. No value "
            "can make it true, so the system has no solution.");
    else if (type == Duolinear_solution_type::infinite)
        explanation.paragraphs.push_back(
            "Multiplying out the bracket, everything cancels and a true statement "
            "is left, such as 0 = 0. It holds for every value, so the system has "
            "infinitely many solutions.");
    else
        explanation.paragraphs.push_back(
            "Its working multiplies out the bracket, collects the terms with the "
            "variable on one side and the numbers on the other, and ends with the "
            "variable's value.");
    return explanation;
}

StepExplanation rearrangedValue() {
    return {"Find the other variable",
            {"The value just found (red) goes into the expression from the first step, the equation that was "
             "rearranged. Working it out gives the value of the other variable."}};
}

StepExplanation refusal() {
    return {"Something to correct",
            {"The app cannot work with these numbers: a coefficient is missing, an equation has no variable, or "
             "the numbers are too large. It says what is wrong and asks you to correct the entry."}};
}

}  // namespace

StepExplanation explainStep(const std::string& caption, const SystemSpec& system, const Choices& choices) {
    if (caption == "\U0001F914") return opening();
    if (caption == "\U0001F60E") return answer(system);
    if (caption == "advisory") return advisory();
    if (caption == "commentary") return commentary(choices);
    if (caption == "oops") return refusal();
    if (caption == "solve first" || caption == "solve second") return shortcut();
    if (startsWith(caption, "solve equations for ")) return combination(system, choices);
    if (endsWith(caption, " (rearranged)")) return rearrangedValue();
    if (startsWith(caption, "solve first for ") || startsWith(caption, "solve second for ")) return backSubstitution();
    if (caption.find(" in terms of ") != std::string::npos) return expressed();
    if (startsWith(caption, "substitute in ")) return substitutedExpression(system);
    return {"A step of the working", {"Read the step from the top: each line follows from the one above it."}};
}

}  // namespace duolinear::guides

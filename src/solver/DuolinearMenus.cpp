#include "solver/DuolinearMenus.h"

namespace duolinear {

namespace {

// Function-local statics: built on first use, safely under concurrent first use.
const std::vector<std::string>& eliminateOptions() {
    static const std::vector<std::string> list = {"eliminate x to find y", "eliminate y to find x"};
    return list;
}

const std::vector<std::string>& substituteInOptions() {
    static const std::vector<std::string> list = {"substitute in first", "substitute in second"};
    return list;
}

const std::vector<std::string>& multiplierOptions() {
    // "smart", a blank, U+2716 HEAVY MULTIPLICATION X, U+FE0F VARIATION SELECTOR-16.
    static const std::vector<std::string> list = {"LCM", "smart \u2716\uFE0F"};
    return list;
}

const std::vector<std::string>& expressOptions() {
    static const std::vector<std::string> list = {"x in terms of y", "y in terms of x"};
    return list;
}

const std::vector<std::string>& fromEquationOptions() {
    static const std::vector<std::string> list = {"from the first", "from the second"};
    return list;
}

}  // namespace

std::vector<std::string> Duolinear_addition_menu::variableOptions() {
    return eliminateOptions();
}
std::vector<std::string> Duolinear_addition_menu::equationOptions() {
    return substituteInOptions();
}
std::vector<std::string> Duolinear_addition_menu::lcmOptions() {
    return multiplierOptions();
}

std::vector<std::string> Duolinear_elimination_menu::variableOptions() {
    return eliminateOptions();
}
std::vector<std::string> Duolinear_elimination_menu::equationOptions() {
    return substituteInOptions();
}
std::vector<std::string> Duolinear_elimination_menu::lcmOptions() {
    return multiplierOptions();
}

std::vector<std::string> Duolinear_substitution_menu::variableOptions() {
    return expressOptions();
}
std::vector<std::string> Duolinear_substitution_menu::equationOptions() {
    return fromEquationOptions();
}

}  // namespace duolinear

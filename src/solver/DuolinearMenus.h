#pragma once
// The option texts that the entry and practice screens offer, one menu per
// method. The first entry of each list stands for case 0 of the matching
// choice (x, first, LCM), the second for case 1. Every call returns a copy of
// a list built once.

#include <string>
#include <vector>

namespace duolinear {

struct Duolinear_addition_menu {
    static std::vector<std::string> variableOptions();
    static std::vector<std::string> equationOptions();
    static std::vector<std::string> lcmOptions();
};

struct Duolinear_elimination_menu {
    static std::vector<std::string> variableOptions();
    static std::vector<std::string> equationOptions();
    static std::vector<std::string> lcmOptions();
};

// Substitution uses no multipliers, hence no multiplier list.
struct Duolinear_substitution_menu {
    static std::vector<std::string> variableOptions();
    static std::vector<std::string> equationOptions();
};

}  // namespace duolinear

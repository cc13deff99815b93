#include "solver/DuolinearOptions.h"

#include <array>

#include "layout/RawValues.h"

namespace duolinear {

namespace {

const std::array<std::string, 2> kVariableNames = {"x", "y"};
const std::array<std::string, 2> kEquationNames = {"first", "second"};
const std::array<std::string, 2> kLCMNames = {"LCM", "smart"};
const std::array<std::string, 3> kMethodNames = {"addition", "elimination", "substitution"};
const std::array<std::string, 3> kSolutionTypeNames = {
    "one solution",
    "FALSE : no solution",
    "TRUE : infinite solutions",
};

}  // namespace

const std::string& rawValue(Duolinear_variable variable) {
    return rawNameOf(kVariableNames, variable);
}
const std::string& rawValue(Duolinear_equation equation) {
    return rawNameOf(kEquationNames, equation);
}
const std::string& rawValue(Duolinear_LCM lcm) {
    return rawNameOf(kLCMNames, lcm);
}
const std::string& rawValue(Duolinear_method method) {
    return rawNameOf(kMethodNames, method);
}
const std::string& rawValue(Duolinear_solution_type type) {
    return rawNameOf(kSolutionTypeNames, type);
}

std::optional<Duolinear_variable> duolinearVariableFromRawValue(std::string_view text) {
    return findRawValue<Duolinear_variable>(kVariableNames, text);
}
std::optional<Duolinear_equation> duolinearEquationFromRawValue(std::string_view text) {
    return findRawValue<Duolinear_equation>(kEquationNames, text);
}
std::optional<Duolinear_LCM> duolinearLCMFromRawValue(std::string_view text) {
    return findRawValue<Duolinear_LCM>(kLCMNames, text);
}
std::optional<Duolinear_method> duolinearMethodFromRawValue(std::string_view text) {
    return findRawValue<Duolinear_method>(kMethodNames, text);
}
std::optional<Duolinear_solution_type> duolinearSolutionTypeFromRawValue(std::string_view text) {
    return findRawValue<Duolinear_solution_type>(kSolutionTypeNames, text);
}

}  // namespace duolinear

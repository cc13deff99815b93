#include "solver/DuolinearOptions.h"

#include <array>

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

template <typename Enum, std::size_t N>
const std::string& nameOf(const std::array<std::string, N>& names, Enum value) {
    return names[static_cast<std::size_t>(value)];
}

template <typename Enum, std::size_t N>
std::optional<Enum> findRaw(const std::array<std::string, N>& names, std::string_view text) {
    for (std::size_t i = 0; i < N; ++i) {
        if (names[i] == text) return static_cast<Enum>(i);
    }
    return std::nullopt;
}

}  // namespace

const std::string& rawValue(Duolinear_variable variable) { return nameOf(kVariableNames, variable); }
const std::string& rawValue(Duolinear_equation equation) { return nameOf(kEquationNames, equation); }
const std::string& rawValue(Duolinear_LCM lcm) { return nameOf(kLCMNames, lcm); }
const std::string& rawValue(Duolinear_method method) { return nameOf(kMethodNames, method); }
const std::string& rawValue(Duolinear_solution_type type) { return nameOf(kSolutionTypeNames, type); }

std::optional<Duolinear_variable> duolinearVariableFromRawValue(std::string_view text) {
    return findRaw<Duolinear_variable>(kVariableNames, text);
}
std::optional<Duolinear_equation> duolinearEquationFromRawValue(std::string_view text) {
    return findRaw<Duolinear_equation>(kEquationNames, text);
}
std::optional<Duolinear_LCM> duolinearLCMFromRawValue(std::string_view text) {
    return findRaw<Duolinear_LCM>(kLCMNames, text);
}
std::optional<Duolinear_method> duolinearMethodFromRawValue(std::string_view text) {
    return findRaw<Duolinear_method>(kMethodNames, text);
}
std::optional<Duolinear_solution_type> duolinearSolutionTypeFromRawValue(std::string_view text) {
    return findRaw<Duolinear_solution_type>(kSolutionTypeNames, text);
}

}  // namespace duolinear

#pragma once
// The learner's choices for a two-equation system and the verdict on a system.
// Their raw values are the texts that the screens match and the solver shows,
// so building a case from a text accepts only an exact, case-sensitive match
// of the whole text.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace duolinear {

// Elimination and addition: the variable eliminated first; substitution: the
// variable expressed first.
enum class Duolinear_variable : std::uint8_t { x, y };

// Elimination and addition: the equation into which the found value is
// substituted; substitution: the equation from which the variable is expressed.
enum class Duolinear_equation : std::uint8_t { first, second };

// How elimination and addition choose their multipliers.
enum class Duolinear_LCM : std::uint8_t { LCM, smart };

enum class Duolinear_method : std::uint8_t { addition, elimination, substitution };

// The four choices together, as the solver takes them.
struct SolverChoices {
    Duolinear_variable variable = Duolinear_variable::x;
    Duolinear_equation equation = Duolinear_equation::first;
    Duolinear_LCM use_LCM = Duolinear_LCM::LCM;
    Duolinear_method method = Duolinear_method::addition;
};

enum class Duolinear_solution_type : std::uint8_t {
    one,       // "one solution"
    none,      // "FALSE : no solution"
    infinite,  // "TRUE : infinite solutions"
};

const std::string& rawValue(Duolinear_variable variable);
const std::string& rawValue(Duolinear_equation equation);
const std::string& rawValue(Duolinear_LCM lcm);
const std::string& rawValue(Duolinear_method method);
const std::string& rawValue(Duolinear_solution_type type);

std::optional<Duolinear_variable> duolinearVariableFromRawValue(std::string_view text);
std::optional<Duolinear_equation> duolinearEquationFromRawValue(std::string_view text);
std::optional<Duolinear_LCM> duolinearLCMFromRawValue(std::string_view text);
std::optional<Duolinear_method> duolinearMethodFromRawValue(std::string_view text);
std::optional<Duolinear_solution_type> duolinearSolutionTypeFromRawValue(std::string_view text);

}  // namespace duolinear

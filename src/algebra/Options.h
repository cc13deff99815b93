#pragma once
// The option and status vocabularies passed between the screens, the solvers,
// the step engines and the layouts. Most raw values are texts the learner sees
// (option labels, closing lines of a solution), so conversions from raw values
// accept only an exact, case-sensitive match of the whole text.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace duolinear {

// The letter of a variable; a Monomial's variable holds its raw value.
enum class Var : std::uint8_t { x, y, z };

// Which advice the linear step engine follows when it collects variable terms.
enum class Method : std::uint8_t { standard, smart };

// How coefficients are drawn.
enum class Style : std::uint8_t {
    fraction,           // "show as ¹∕₃ x": a stacked fraction, then the letter
    rational_fraction,  // "show as ˣ∕₃": numerator and letter over the denominator
    decimal,            // "show as decimal": "%.8g"
};

// How terms are moved across the relation.
enum class Technique : std::uint8_t { balance, transpose };

// The outcome of solving one linear equation or inequality.
enum class Status : std::uint8_t {
    unique,    // "valid solution"
    infinite,  // "TRUE, solution is all values of variable"
    none,      // "FALSE, no solution"
};

// The kind of roots of a quadratic.
enum class Quadratic_status : std::uint8_t {
    rational_repeated,
    rational_distinct,
    irrational_repeated,
    irrational_distinct,
    none,
};

// The method by which a quadratic is worked.
enum class Quadratic_method : std::uint8_t { factor, formula, complete_the_square };

// Which coefficients of a·x² + b·x + c are present: a alone; a and b; a and c;
// all three.
enum class Quadratic_Category : std::uint8_t { monomial_a, binomial_ab, binomial_ac, trinomial };

// Whether a quadratic factors into linear factors (the name keeps its
// historical spelling).
enum class Quadratic_Factorabilty : std::uint8_t { does_not_factor, factors_but_not_over_rationals, factors };

// The degree class of a polynomial, or an error mark.
enum class Category : std::int8_t { constant = 0, linear = 1, quadratic = 2, cubic = 3, error = -1 };

// The stages that the linear step engine leaves out for an equation.
enum class Step_exclusions : std::uint8_t { none, reduce, clear, reduce_and_clear };

enum class Transpose_x_state : std::uint8_t { exclude, include, include_as_advisory };

enum class Linear_Category : std::uint8_t { monomial, binomial };

char rawValue(Var var);
// The letter that goes into monomials and messages; the same as the raw value.
char character(Var var);
const std::string& rawValue(Method method);
const std::string& rawValue(Style style);
const std::string& rawValue(Technique technique);
const std::string& rawValue(Status status);
const std::string& rawValue(Quadratic_status status);
const std::string& rawValue(Quadratic_method method);
constexpr std::int64_t rawValue(Category category) {
    return static_cast<std::int64_t>(category);
}

std::optional<Var> varFromRawValue(char letter);
std::optional<Method> methodFromRawValue(std::string_view text);
std::optional<Style> styleFromRawValue(std::string_view text);
std::optional<Technique> techniqueFromRawValue(std::string_view text);
std::optional<Status> statusFromRawValue(std::string_view text);
std::optional<Quadratic_status> quadraticStatusFromRawValue(std::string_view text);
std::optional<Quadratic_method> quadraticMethodFromRawValue(std::string_view text);
std::optional<Category> categoryFromRawValue(std::int64_t value);

}  // namespace duolinear

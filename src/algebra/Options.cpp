#include "algebra/Options.h"

#include <array>

#include "layout/RawValues.h"

namespace duolinear {

namespace {

const std::array<std::string, 2> kMethodNames = {"standard", "smart"};
const std::array<std::string, 3> kStyleNames = {"show as ¹∕₃ x", "show as ˣ∕₃", "show as decimal"};
const std::array<std::string, 2> kTechniqueNames = {"balance", "transpose"};
const std::array<std::string, 3> kStatusNames = {
    "valid solution",
    "TRUE, solution is all values of variable",
    "FALSE, no solution",
};
const std::array<std::string, 5> kQuadraticStatusNames = {
    "repeated rational solution",
    "distinct rational solutions",
    "repeated irrational solution",
    "distinct irrational solutions",
    "no solution",
};
const std::array<std::string, 3> kQuadraticMethodNames = {"factor", "formula", "complete the square"};
constexpr std::array<char, 3> kVarLetters = {'x', 'y', 'z'};

}  // namespace

char rawValue(Var var) {
    return kVarLetters[static_cast<std::size_t>(var)];
}
char character(Var var) {
    return rawValue(var);
}
const std::string& rawValue(Method method) {
    return rawNameOf(kMethodNames, method);
}
const std::string& rawValue(Style style) {
    return rawNameOf(kStyleNames, style);
}
const std::string& rawValue(Technique technique) {
    return rawNameOf(kTechniqueNames, technique);
}
const std::string& rawValue(Status status) {
    return rawNameOf(kStatusNames, status);
}
const std::string& rawValue(Quadratic_status status) {
    return rawNameOf(kQuadraticStatusNames, status);
}
const std::string& rawValue(Quadratic_method method) {
    return rawNameOf(kQuadraticMethodNames, method);
}

std::optional<Var> varFromRawValue(char letter) {
    for (std::size_t i = 0; i < kVarLetters.size(); ++i) {
        if (kVarLetters[i] == letter) return static_cast<Var>(i);
    }
    return std::nullopt;
}

std::optional<Method> methodFromRawValue(std::string_view text) {
    return findRawValue<Method>(kMethodNames, text);
}
std::optional<Style> styleFromRawValue(std::string_view text) {
    return findRawValue<Style>(kStyleNames, text);
}
std::optional<Technique> techniqueFromRawValue(std::string_view text) {
    return findRawValue<Technique>(kTechniqueNames, text);
}
std::optional<Status> statusFromRawValue(std::string_view text) {
    return findRawValue<Status>(kStatusNames, text);
}
std::optional<Quadratic_status> quadraticStatusFromRawValue(std::string_view text) {
    return findRawValue<Quadratic_status>(kQuadraticStatusNames, text);
}
std::optional<Quadratic_method> quadraticMethodFromRawValue(std::string_view text) {
    return findRawValue<Quadratic_method>(kQuadraticMethodNames, text);
}

std::optional<Category> categoryFromRawValue(std::int64_t value) {
    for (Category category :
         {Category::constant, Category::linear, Category::quadratic, Category::cubic, Category::error}) {
        if (rawValue(category) == value) return category;
    }
    return std::nullopt;
}

}  // namespace duolinear

#include "linear_problems/LinearProblemRecord.h"

#include <utility>

namespace duolinear {

FormLetters formLetters(std::string_view spacedForm) {
    FormLetters letters;
    bool right = false;
    for (char c : spacedForm) {
        if (c == '?') right = true;
        if (const std::optional<Coeff> letter = coeffFromRawValue(c))
            (right ? letters.right : letters.left).push_back(*letter);
    }
    return letters;
}

std::vector<std::string> problemInputList(std::string_view spacedForm,
                                          const std::vector<CoefficientText>& coefficients) {
    const FormLetters letters = formLetters(spacedForm);
    std::vector<std::string> list;
    std::size_t next = 0;
    const auto appendPairs = [&](std::size_t count) {
        for (std::size_t i = 0; i < count && next < coefficients.size(); ++i, ++next) {
            list.push_back(coefficients[next].numerator);
            list.push_back(coefficients[next].denominator);
        }
    };
    appendPairs(letters.left.size());
    list.emplace_back(kRightSideMarker);
    appendPairs(letters.right.size());
    list.emplace_back(spacedForm);
    return list;
}

LinearProblemRecord plainProblemRecord(std::string displayText, std::vector<std::string> inputList) {
    LinearProblemRecord record;
    record.examples.emplace_back(std::move(displayText));
    record.inputs = {{std::move(inputList)}};
    return record;
}

}  // namespace duolinear

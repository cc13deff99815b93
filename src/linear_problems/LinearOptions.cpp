#include "linear_problems/LinearOptions.h"

#include "algebra/Options.h"
#include "layout/Enumerations.h"

namespace duolinear {

const std::vector<std::string>& L_menu::styleMenu() {
    static const std::vector<std::string> list = {rawValue(Style::rational_fraction), rawValue(Style::fraction)};
    return list;
}

const std::vector<std::string>& L_menu::methodMenu() {
    static const std::vector<std::string> list = {rawValue(Method::smart), rawValue(Method::standard)};
    return list;
}

const std::vector<std::string>& L_menu::techniqueMenu() {
    static const std::vector<std::string> list = {rawValue(Technique::transpose), rawValue(Technique::balance)};
    return list;
}

const std::vector<std::string>& L_menu::relationMenu() {
    static const std::vector<std::string> list = {
        rawValue(Relation::equal_to),
        rawValue(Relation::less_than),
        rawValue(Relation::greater_than),
        rawValue(Relation::less_than_or_equal_to),
        rawValue(Relation::greater_than_or_equal_to),
    };
    return list;
}

std::optional<Coeff> coeffFromRawValue(char letter) {
    if (letter < rawValue(Coeff::a) || letter > rawValue(Coeff::i)) return std::nullopt;
    return static_cast<Coeff>(letter);
}

}  // namespace duolinear

#include "screens/OptionChoices.h"

#include "platform/ui/UserDefaults.h"
#include "solver/DuolinearMenus.h"

namespace duolinear {

namespace {

struct MenuRows {
    std::vector<std::string> variable;
    std::vector<std::string> equation;
    std::vector<std::string> lcm;  // empty for substitution
};

MenuRows menuRows(Duolinear_method method) {
    switch (method) {
        case Duolinear_method::addition:
            return {Duolinear_addition_menu::variableOptions(), Duolinear_addition_menu::equationOptions(),
                    Duolinear_addition_menu::lcmOptions()};
        case Duolinear_method::elimination:
            return {Duolinear_elimination_menu::variableOptions(), Duolinear_elimination_menu::equationOptions(),
                    Duolinear_elimination_menu::lcmOptions()};
        case Duolinear_method::substitution:
            return {Duolinear_substitution_menu::variableOptions(), Duolinear_substitution_menu::equationOptions(), {}};
    }
    return {};
}

// Whether the first text reported for a row is the row's first option.
bool choosesFirst(const SelectedTexts& options, std::size_t row, const std::vector<std::string>& rowOptions) {
    if (row >= options.size() || options[row].empty() || rowOptions.empty()) return false;
    return options[row].front() == rowOptions.front();
}

void store(const char* key, bool second) {
    ui::UserDefaults::standard().setInteger(second ? 1 : 0, key);
}

}  // namespace

bool offersMultiplierChoice(Duolinear_method method) {
    return method != Duolinear_method::substitution;
}

ElementGroups optionGroups(Duolinear_method method) {
    MenuRows rows = menuRows(method);
    ElementGroups groups = {{std::move(rows.variable)}, {std::move(rows.equation)}};
    if (offersMultiplierChoice(method)) groups.push_back({std::move(rows.lcm)});
    return groups;
}

int storedChoice(const std::string& key) {
    return ui::UserDefaults::standard().integerForKey(key) == 1 ? 1 : 0;
}

OptionIndices storedOptionSelections(Duolinear_method method) {
    OptionIndices selections = {{storedChoice(kVariablePreferenceKey)}, {storedChoice(kEquationPreferenceKey)}};
    if (offersMultiplierChoice(method)) selections.push_back({storedChoice(kLCMPreferenceKey)});
    return selections;
}

void applyOptionTexts(DuolinearModel& model, const SelectedTexts& options, Duolinear_method method) {
    const MenuRows rows = menuRows(method);
    model.variable = choosesFirst(options, 0, rows.variable) ? Duolinear_variable::x : Duolinear_variable::y;
    model.equation = choosesFirst(options, 1, rows.equation) ? Duolinear_equation::first : Duolinear_equation::second;
    if (offersMultiplierChoice(method)) {
        model.use_LCM = choosesFirst(options, 2, rows.lcm) ? Duolinear_LCM::LCM : Duolinear_LCM::smart;
    }
    model.method = method;
}

void storeOptionChoices(const DuolinearModel& model, Duolinear_method method) {
    store(kVariablePreferenceKey, model.variable != Duolinear_variable::x);
    store(kEquationPreferenceKey, model.equation != Duolinear_equation::first);
    if (offersMultiplierChoice(method)) store(kLCMPreferenceKey, model.use_LCM != Duolinear_LCM::LCM);
}

}  // namespace duolinear

#include "screens/ScreenClasses.h"

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/Storyboard.h"
#include "renderer/UniversalEngineVC.h"
#include "screens/Duolinear_Addition_Guide_VC.h"
#include "screens/Duolinear_Addition_Practice_VC.h"
#include "screens/Duolinear_Addition_VC.h"
#include "screens/Duolinear_Elimination_Guide_VC.h"
#include "screens/Duolinear_Elimination_Practice_VC.h"
#include "screens/Duolinear_Elimination_VC.h"
#include "screens/Duolinear_Substitution_Guide_VC.h"
#include "screens/Duolinear_Substitution_Practice_VC.h"
#include "screens/Duolinear_Substitution_VC.h"

namespace duolinear {

namespace {

template <class Screen>
ui::Storyboard::Factory factory() {
    return [] { return std::make_shared<Screen>(); };
}

const std::vector<std::pair<std::string, ui::Storyboard::Factory>>& screenClasses() {
    static const std::vector<std::pair<std::string, ui::Storyboard::Factory>> classes = {
        {"DuolinearAdditionVC", factory<DuolinearAdditionVC>()},
        {"DuolinearEliminationVC", factory<DuolinearEliminationVC>()},
        {"DuolinearSubstitutionVC", factory<DuolinearSubstitutionVC>()},
        {"Duolinear_Addition_Practice_VC", factory<Duolinear_Addition_Practice_VC>()},
        {"Duolinear_Elimination_Practice_VC", factory<Duolinear_Elimination_Practice_VC>()},
        {"Duolinear_Substitution_Practice_VC", factory<Duolinear_Substitution_Practice_VC>()},
        {"Duolinear_Addition_GuideVC", factory<Duolinear_Addition_GuideVC>()},
        {"Duolinear_Elimination_GuideVC", factory<Duolinear_Elimination_GuideVC>()},
        {"Duolinear_Substitution_GuideVC", factory<Duolinear_Substitution_GuideVC>()},
        {"UniversalEngineVC", factory<UniversalEngineVC>()},
    };
    return classes;
}

}  // namespace

void registerScreenClasses() {
    for (const auto& [name, make] : screenClasses()) ui::Storyboard::registerClass(name, make);
}

}  // namespace duolinear

#include "screens/Duolinear_Substitution_Guide_VC.h"

namespace duolinear {

// "intro " and "method " end in a blank, "technique" does not.
Duolinear_Substitution_GuideVC::Duolinear_Substitution_GuideVC()
    : DuolinearGuideScreen("Duolinear_Equations_Substitution_Guide", {{"intro ", 0}, {"technique", 8}}) {}

}  // namespace duolinear

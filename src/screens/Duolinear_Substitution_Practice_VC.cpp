#include "screens/Duolinear_Substitution_Practice_VC.h"

namespace duolinear {

Duolinear_Substitution_Practice_VC::Duolinear_Substitution_Practice_VC()
    : DuolinearPracticeScreen(Duolinear_method::substitution, "Duolinear_Substitution_Practice_Segue") {}

}  // namespace duolinear

#include "screens/Duolinear_Elimination_Practice_VC.h"

namespace duolinear {

Duolinear_Elimination_Practice_VC::Duolinear_Elimination_Practice_VC()
    : DuolinearPracticeScreen(Duolinear_method::elimination, "Duolinear_Elimination_Practice_Segue") {}

}  // namespace duolinear

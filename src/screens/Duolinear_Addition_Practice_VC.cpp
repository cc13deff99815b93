#include "screens/Duolinear_Addition_Practice_VC.h"

namespace duolinear {

Duolinear_Addition_Practice_VC::Duolinear_Addition_Practice_VC()
    : DuolinearPracticeScreen(Duolinear_method::addition, "Duolinear_Addition_Practice_Segue") {}

}  // namespace duolinear

#include "screens/Duolinear_Elimination_VC.h"

namespace duolinear {

DuolinearEliminationVC::DuolinearEliminationVC()
    : DuolinearEntryScreen(Duolinear_method::elimination, "Duolinear_Elimination_Segue") {}

}  // namespace duolinear

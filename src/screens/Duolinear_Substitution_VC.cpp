#include "screens/Duolinear_Substitution_VC.h"

namespace duolinear {

DuolinearSubstitutionVC::DuolinearSubstitutionVC()
    : DuolinearEntryScreen(Duolinear_method::substitution, "Duolinear_Substitution_Segue") {}

}  // namespace duolinear

#include "screens/Duolinear_Addition_VC.h"

namespace duolinear {

DuolinearAdditionVC::DuolinearAdditionVC()
    : DuolinearEntryScreen(Duolinear_method::addition, "Duolinear_Addition_Segue") {}

}  // namespace duolinear

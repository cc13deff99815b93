#include "screens/Duolinear_Addition_Guide_VC.h"

namespace duolinear {

// "intro " and "method " end in a blank, "technique" does not.
Duolinear_Addition_GuideVC::Duolinear_Addition_GuideVC()
    : DuolinearGuideScreen("Duolinear_Equations_Addition_Guide", {{"intro ", 0}, {"method ", 6}, {"technique", 15}}) {}

}  // namespace duolinear

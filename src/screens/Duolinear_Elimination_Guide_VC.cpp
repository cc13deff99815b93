#include "screens/Duolinear_Elimination_Guide_VC.h"

namespace duolinear {

// "intro " and "method " end in a blank, "technique" does not.
Duolinear_Elimination_GuideVC::Duolinear_Elimination_GuideVC()
    : DuolinearGuideScreen("Duolinear_Equations_Elimination_Guide",
                           {{"intro ", 0}, {"method ", 6}, {"technique", 16}}) {}

}  // namespace duolinear

#pragma once
// The practice screen of the elimination method: generated elimination problems
// by level (four faces), the elimination menu's option rows, and the segue
// "Duolinear_Elimination_Practice_Segue" to the step screen.

#include "screens/PracticeScreen.h"

namespace duolinear {

class Duolinear_Elimination_Practice_VC : public DuolinearPracticeScreen {
public:
    Duolinear_Elimination_Practice_VC();
};

}  // namespace duolinear

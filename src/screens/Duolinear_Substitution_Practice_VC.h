#pragma once
// The practice screen of the substitution method: generated substitution problems
// by level (five faces), the substitution menu's option rows, and the segue
// "Duolinear_Substitution_Practice_Segue" to the step screen.

#include "screens/PracticeScreen.h"

namespace duolinear {

class Duolinear_Substitution_Practice_VC : public DuolinearPracticeScreen {
public:
    Duolinear_Substitution_Practice_VC();
};

}  // namespace duolinear

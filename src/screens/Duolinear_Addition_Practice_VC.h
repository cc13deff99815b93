#pragma once
// The practice screen of the addition method: generated addition problems
// by level (four faces), the addition menu's option rows, and the segue
// "Duolinear_Addition_Practice_Segue" to the step screen.

#include "screens/PracticeScreen.h"

namespace duolinear {

class Duolinear_Addition_Practice_VC : public DuolinearPracticeScreen {
public:
    Duolinear_Addition_Practice_VC();
};

}  // namespace duolinear

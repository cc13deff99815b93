#pragma once
// The entry screen of the substitution method: six coefficients on the entry
// keypad, the substitution menu's option rows, and the segue
// "Duolinear_Substitution_Segue" to the step screen.

#include "screens/EntryScreen.h"

namespace duolinear {

class DuolinearSubstitutionVC : public DuolinearEntryScreen {
public:
    DuolinearSubstitutionVC();
};

}  // namespace duolinear

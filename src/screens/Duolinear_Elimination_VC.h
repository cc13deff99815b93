#pragma once
// The entry screen of the elimination method: six coefficients on the entry
// keypad, the elimination menu's option rows, and the segue
// "Duolinear_Elimination_Segue" to the step screen.

#include "screens/EntryScreen.h"

namespace duolinear {

class DuolinearEliminationVC : public DuolinearEntryScreen {
public:
    DuolinearEliminationVC();
};

}  // namespace duolinear

#pragma once
// The entry screen of the addition method: six coefficients on the entry
// keypad, the addition menu's option rows, and the segue
// "Duolinear_Addition_Segue" to the step screen.

#include "screens/EntryScreen.h"

namespace duolinear {

class DuolinearAdditionVC : public DuolinearEntryScreen {
public:
    DuolinearAdditionVC();
};

}  // namespace duolinear

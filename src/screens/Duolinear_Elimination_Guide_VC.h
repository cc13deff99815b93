#pragma once
// The guide to the elimination method: "Duolinear_Equations_Elimination_Guide.pdf"
// with 3 chapter buttons.

#include "screens/GuideScreen.h"

namespace duolinear {

class Duolinear_Elimination_GuideVC : public DuolinearGuideScreen {
public:
    Duolinear_Elimination_GuideVC();
};

}  // namespace duolinear

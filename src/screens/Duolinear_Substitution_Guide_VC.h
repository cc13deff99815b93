#pragma once
// The guide to the substitution method: "Duolinear_Equations_Substitution_Guide.pdf"
// with 2 chapter buttons.

#include "screens/GuideScreen.h"

namespace duolinear {

class Duolinear_Substitution_GuideVC : public DuolinearGuideScreen {
public:
    Duolinear_Substitution_GuideVC();
};

}  // namespace duolinear

#pragma once
// The guide to the addition method: "Duolinear_Equations_Addition_Guide.pdf"
// with 3 chapter buttons.

#include "screens/GuideScreen.h"

namespace duolinear {

class Duolinear_Addition_GuideVC : public DuolinearGuideScreen {
public:
    Duolinear_Addition_GuideVC();
};

}  // namespace duolinear

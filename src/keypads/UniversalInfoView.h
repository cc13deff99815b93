#pragma once
// The band of text lines at the top of a keypad: one centred label per line,
// stacked top to bottom with no gap, sharing the view's height equally, each
// shrinking its text to fit the width. Built once; takes no input.

#include <string>
#include <vector>

#include "platform/ui/View.h"

namespace duolinear {

class UniversalInfoView : public ui::View {
public:
    explicit UniversalInfoView(const std::vector<std::string>& info, gfx::Rect frame = {});
};

}  // namespace duolinear

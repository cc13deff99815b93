#pragma once
// What the entry and practice screens share about their keypads: the info
// line shown above the fields, and where the keypad stands.

#include <memory>

#include "platform/ui/View.h"

namespace duolinear {

// The one info line of every input screen's keypad ("🤔" is U+1F914).
inline constexpr const char* kInputScreenInfo = "🤔 for steps";

// Adds the keypad to a screen's root view and pins it 5 points inside the
// root view's safe area on every side.
void pinKeypad(ui::View& root, const std::shared_ptr<ui::View>& keypad);

}  // namespace duolinear

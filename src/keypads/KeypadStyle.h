#pragma once
// What the keypads share in looks: selection is shown by background colour
// alone, and texts are sized from the base font size.

#include "platform/gfx/Color.h"
#include "platform/gfx/Font.h"

namespace ui {
class View;
}

namespace duolinear {

inline constexpr gfx::Color kSelectedColor = gfx::Color::green();
inline constexpr gfx::Color kUnselectedColor = gfx::Color::white();
inline constexpr gfx::Color kArrowColor = gfx::Color::cyan();
inline constexpr gfx::Color kNumericKeyColor = gfx::Color::lightGray();

// The two faces of a polynomial row's arrow label.
inline constexpr const char* kArrowDown = "➘";  // U+2798
inline constexpr const char* kArrowUp = "➚";    // U+279A

// The weight of label texts: between regular and medium.
inline constexpr gfx::FontWeight kLabelWeight{0.1};

// The base font size in single precision, as keys and labels are sized:
// 30 on screens at most 428 points wide, else 32.
float keypadFontSize();

// Moves the green mark from the label tagged `from` to the label tagged `to`,
// both found with viewWithTag in `keypad`. Changes nothing and gives false
// unless both tags name labels.
bool moveSelectionMark(ui::View& keypad, long long from, long long to);

}  // namespace duolinear

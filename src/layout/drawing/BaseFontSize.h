#pragma once
// The base font size that layouts, keypads and the step renderer are sized
// from, chosen by the width of the main screen.

namespace duolinear {

// 30 when the main screen is at most 428 points wide, else 32.
double baseFontSize();

}  // namespace duolinear

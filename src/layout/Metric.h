#pragma once
// The font measures of one drawing size and the layout constants. The base
// font size chosen from the screen is in layout/drawing/BaseFontSize.h.

namespace duolinear {

// Thirteen measures in points, in this order.
struct Metric {
    double size = 0.0;  // point size S of the whole-number font
    double wholeCapHeight = 0.0;
    double wholeHalfCapHeight = 0.0;  // wholeCapHeight / 2
    double wholeAscender = 0.0;
    double wholeLineHeight = 0.0;
    double wholeXHeight = 0.0;
    double wholeHalfXHeight = 0.0;  // wholeXHeight / 2
    double fracCapHeight = 0.0;     // of the fraction font (0.75 S)
    double fracAscender = 0.0;
    double fracHeight = 0.0;  // 2 fracCapHeight + barSpace
    double fracPointSize = 0.0;
    double barSpace = 0.0;      // max(0.125 S, 5)
    double halfBarSpace = 0.0;  // barSpace / 2
};

// Shares and sizes of the step screen's layout.
namespace kLayOut {
inline constexpr double stepBandShare = 0.85;  // of the drawing height
inline constexpr double commentBandShare = 0.05;
inline constexpr double navigatorBandShare = 0.1;
inline constexpr double bandGap = 5.0;            // points between the bands
inline constexpr double lineShrinkFactor = 0.98;  // one step of line-size fitting
inline constexpr double narrowBaseFontSize = 30.0;
inline constexpr double wideBaseFontSize = 32.0;
inline constexpr double wideScreenThreshold = 428.0;  // widest "narrow" screen, in points
inline constexpr double largeScreenHeight = 926.0;
inline constexpr double largeScreenScale = 1.5;
}  // namespace kLayOut

// Font proportions of the layout items.
namespace kMetric {
inline constexpr double fractionSizeRatio = 0.75;     // fraction font / whole font
inline constexpr double smallSizeRatio = 7.0 / 15.0;  // small font / whole font
inline constexpr double barSpaceRatio = 0.125;        // fraction bar room / whole font
inline constexpr double minimumBarSpace = 5.0;        // points
inline constexpr double unitScale = 1.0;
}  // namespace kMetric

}  // namespace duolinear

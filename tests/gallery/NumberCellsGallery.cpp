// Number cells, blocks and cancelled fractions drawn through the renderer:
// one picture per kind, a few samples each, every sample inside the box it
// was measured to fill (drawn in a faint outline that the ink check ignores).

#include <string>

#include "gallery/RendererPictures.h"
#include "layout_extensions/NumberCellRecords.h"

namespace duolinear::gallery {
namespace {

TagLayout block(const TagLayout& a, const std::string& op, const TagLayout& b, const TagLayout& e) {
    return blockLayout(joinLayouts("=", joinLayouts(op, a, b, Color::blue), e, Color::gray));
}

TEST(NumberCellsGallery, OnePicturePerKind) {
    const CancelBothColors both{Color::black, Color::black, Color::red, Color::blue, Color::red, Color::blue};
    const CancelOneColors numerator{Color::black, Color::black, Color::red, Color::red};
    const CancelOneColors denominator{Color::black, Color::black, Color::blue, Color::blue};
    drawLayoutsInARow("number-cell-whole",
                      {wholeLayout(7), wholeLayout(12, Color::red), wholeLayout(-305, Color::blue)});
    drawLayoutsInARow("number-cell-fraction", {fractionLayout(1, 2), fractionLayout(-3, 4, Color::red, Color::blue),
                                               fractionLayout(13, 8, Color::black, Color::red)});
    drawLayoutsInARow("number-cell-mixed-number",
                      {mixedNumberLayout(2, 1, 3), mixedNumberLayout(12, 5, 16, Color::blue, Color::red, Color::red)});
    drawLayoutsInARow(
        "number-cell-rational",
        {rationalItemLayout(3, 4), rationalItemLayout(3, -4, Color::black, Color::red, Color::blue, Color::gray)});
    drawLayoutsInARow(
        "number-cell-extended-fraction",
        {extendedFractionLayout("×", 3, 4, 2, 2), extendedFractionLayout("×", -1, 2, 5, 5, Color::red, Color::blue),
         // 3/4 × 1/2 as one fraction: two operands.
         extendedFractionLayout("×", 3, 4, 1, 2)});
    drawLayoutsInARow("number-cell-block",
                      {block(wholeLayout(12), "+", wholeLayout(7), wholeLayout(19)),
                       block(fractionLayout(1, 2), "+", fractionLayout(1, 3), fractionLayout(5, 6)),
                       block(mixedNumberLayout(2, 1, 3), "+", fractionLayout(1, 2), mixedNumberLayout(2, 5, 6)),
                       block(fractionLayout(-1, 4), "−", wholeLayout(3), mixedNumberLayout(-3, 1, 4))});
    // At twice the usual size the fractions' spacing outgrows a cell's least height.
    drawLayoutsInARow("number-cell-block-60",
                      {block(fractionLayout(13, 8), "+", fractionLayout(3, 8), fractionLayout(16, 8))}, 60);
    drawLayoutsInARow("number-cell-cancel-numerator-and-denominator",
                      {fractionCancelNumeratorAndDenominatorLayout(6, 8, 3, 4, both),
                       fractionCancelNumeratorAndDenominatorLayout(15, 20, 3, 4, both),
                       fractionCancelNumeratorAndDenominatorLayout(-6, 8, 3, 4, both)});
    drawLayoutsInARow("number-cell-cancel-numerator", {fractionCancelNumeratorLayout(4, 12, 1, numerator),
                                                       fractionCancelNumeratorLayout(-10, 15, 2, numerator)});
    drawLayoutsInARow("number-cell-cancel-denominator", {fractionCancelDenominatorLayout(3, 12, 4, denominator),
                                                         fractionCancelDenominatorLayout(5, 10, 2, denominator)});
}

}  // namespace
}  // namespace duolinear::gallery

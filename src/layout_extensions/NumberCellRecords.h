#pragma once
// The builders of the number-cell items of a TagLayout: whole numbers,
// fractions, mixed numbers, plain rationals, extended fractions (3 × 2 over
// 4 × 2), the three cancelled fractions and column blocks, and the two
// choosers that pick a form from the parts of a number.
//
// Every builder but blockLayout returns a one-item layout of four rows:
// ["start", "1"], the kind row, the colour row (the kind followed by "_color")
// and the tag row two rows after the kind row. Numbers are written as decimal
// texts, "-" for negatives; colours as raw colour texts. Readers find the
// companion rows by position.
//
// Signs: fractionLayout and mixedNumberLayout move a negative denominator's
// sign to the numerator, rationalItemLayout also negates both parts when the
// denominator is 0; the other builders write the numbers as they are. A
// negated least 64-bit value is written as its exact magnitude
// ("9223372036854775808"), never wrapped.

#include <cstdint>
#include <string>

#include "layout/TagLayout.h"

namespace duolinear {

TagLayout wholeLayout(std::int64_t whole, Color color = Color::black, const std::string& tag = defaultLayoutTag());

TagLayout fractionLayout(std::int64_t numerator, std::int64_t denominator, Color numeratorColor = Color::black,
                         Color denominatorColor = Color::black, const std::string& tag = defaultLayoutTag());

TagLayout mixedNumberLayout(std::int64_t whole, std::int64_t numerator, std::int64_t denominator,
                            Color wholeColor = Color::black, Color numeratorColor = Color::black,
                            Color denominatorColor = Color::black, const std::string& tag = defaultLayoutTag());

// Numerator over denominator, each text drawn as written. The colours are
// those of a signed rational: sign (written, not drawn), numerator,
// denominator, bar.
TagLayout rationalItemLayout(std::int64_t numerator, std::int64_t denominator, Color signColor = Color::black,
                             Color numeratorColor = Color::black, Color denominatorColor = Color::black,
                             Color barColor = Color::black, const std::string& tag = defaultLayoutTag());

// The fraction numerator1 operator numerator2 over denominator1 operator
// denominator2. Its fourth row is keyed "extended_fraction" (no reader
// consults that key).
TagLayout extendedFractionLayout(const std::string& operatorText, std::int64_t numerator1, std::int64_t denominator1,
                                 std::int64_t numerator2, std::int64_t denominator2,
                                 Color numeratorColor = Color::black, Color denominatorColor = Color::black,
                                 const std::string& tag = defaultLayoutTag());

// Colours of the cancelled fractions, in the order of their colour rows.
struct CancelBothColors {
    Color numerator = Color::black;  // also the bar
    Color denominator = Color::black;
    Color newNumerator = Color::black;
    Color newDenominator = Color::black;
    Color numeratorStrike = Color::black;
    Color denominatorStrike = Color::black;
};

struct CancelOneColors {
    Color numerator = Color::black;  // also the bar
    Color denominator = Color::black;
    Color replacement = Color::black;
    Color strike = Color::black;
};

TagLayout fractionCancelNumeratorAndDenominatorLayout(std::int64_t numerator, std::int64_t denominator,
                                                      std::int64_t newNumerator, std::int64_t newDenominator,
                                                      const CancelBothColors& colors = {},
                                                      const std::string& tag = defaultLayoutTag());
TagLayout fractionCancelNumeratorLayout(std::int64_t numerator, std::int64_t denominator, std::int64_t newNumerator,
                                        const CancelOneColors& colors = {},
                                        const std::string& tag = defaultLayoutTag());
TagLayout fractionCancelDenominatorLayout(std::int64_t numerator, std::int64_t denominator, std::int64_t newDenominator,
                                          const CancelOneColors& colors = {},
                                          const std::string& tag = defaultLayoutTag());

// The child's rows followed by ["block", R], R the child's root index; the
// start row points at the block row. The child should be the column
// calculation (A operator B) relation E of two joins over number cells.
TagLayout blockLayout(const TagLayout& child);

// A whole number when the denominator or the numerator is 0, a fraction when
// the whole part is 0, else a mixed number; signs as given.
TagLayout numberLayout(std::int64_t whole, std::int64_t numerator, std::int64_t denominator,
                       Color wholeColor = Color::black, Color numeratorColor = Color::black,
                       Color denominatorColor = Color::black, const std::string& tag = defaultLayoutTag());

// An "integer" item when the denominator divides the numerator, otherwise a
// "signed_rational" (reduced by the gcd when asked); black, tag "anon". A zero
// denominator gives the signed rational n over 0, unreduced, with the sign of
// n, so that the undefined value stays visible.
TagLayout rationalToLayout(std::int64_t numerator, std::int64_t denominator, bool reduce);

}  // namespace duolinear

#include "layout_extensions/NumberCellRecords.h"

#include "algebra/Checked.h"
#include "algebra/IntegerFunctions.h"

namespace duolinear {

namespace {

std::string decimal(std::int64_t value) {
    return std::to_string(value);
}

// The decimal text of -value, exact for every value: the least 64-bit value
// has no negation in 64 bits, so the text is made from its magnitude.
std::string negatedDecimal(std::int64_t value) {
    if (value == 0) return "0";
    if (value < 0) return std::to_string(magnitude(value));
    return "-" + std::to_string(value);
}

// The two parts of a fraction, negated together when asked.
struct FractionTexts {
    std::string numerator;
    std::string denominator;
};

FractionTexts fractionTexts(std::int64_t numerator, std::int64_t denominator, bool negate) {
    if (negate) return {negatedDecimal(numerator), negatedDecimal(denominator)};
    return {decimal(numerator), decimal(denominator)};
}

TagLayout cell(const std::string& kind, TagRow values, TagRow colors, const std::string& tagKey,
               const std::string& tag) {
    TagRow kindRow{kind};
    kindRow.insert(kindRow.end(), values.begin(), values.end());
    TagRow colorRow{kind + "_color"};
    colorRow.insert(colorRow.end(), colors.begin(), colors.end());
    return {{"start", "1"}, std::move(kindRow), std::move(colorRow), {tagKey, tag}};
}

TagLayout cell(const std::string& kind, TagRow values, TagRow colors, const std::string& tag) {
    return cell(kind, std::move(values), std::move(colors), kind + "_tag", tag);
}

// A fraction with one part struck out and its replacement: numerator,
// denominator and replacement texts; their colours, then the stroke's.
TagLayout cancelOne(const std::string& kind, std::int64_t numerator, std::int64_t denominator, std::int64_t replacement,
                    const CancelOneColors& colors, const std::string& tag) {
    return cell(kind, {decimal(numerator), decimal(denominator), decimal(replacement)},
                {rawValue(colors.numerator), rawValue(colors.denominator), rawValue(colors.replacement),
                 rawValue(colors.strike)},
                tag);
}

}  // namespace

TagLayout wholeLayout(std::int64_t whole, Color color, const std::string& tag) {
    return cell("whole", {decimal(whole)}, {rawValue(color)}, tag);
}

TagLayout fractionLayout(std::int64_t numerator, std::int64_t denominator, Color numeratorColor, Color denominatorColor,
                         const std::string& tag) {
    const FractionTexts texts = fractionTexts(numerator, denominator, denominator < 0);
    return cell("fraction", {texts.numerator, texts.denominator},
                {rawValue(numeratorColor), rawValue(denominatorColor)}, tag);
}

TagLayout mixedNumberLayout(std::int64_t whole, std::int64_t numerator, std::int64_t denominator, Color wholeColor,
                            Color numeratorColor, Color denominatorColor, const std::string& tag) {
    const FractionTexts texts = fractionTexts(numerator, denominator, denominator < 0);
    return cell("mixed_number", {decimal(whole), texts.numerator, texts.denominator},
                {rawValue(wholeColor), rawValue(numeratorColor), rawValue(denominatorColor)}, tag);
}

TagLayout rationalItemLayout(std::int64_t numerator, std::int64_t denominator, Color signColor, Color numeratorColor,
                             Color denominatorColor, Color barColor, const std::string& tag) {
    const FractionTexts texts = fractionTexts(numerator, denominator, denominator <= 0);
    return cell("rational", {texts.numerator, texts.denominator},
                {rawValue(signColor), rawValue(numeratorColor), rawValue(denominatorColor), rawValue(barColor)}, tag);
}

TagLayout extendedFractionLayout(const std::string& operatorText, std::int64_t numerator1, std::int64_t denominator1,
                                 std::int64_t numerator2, std::int64_t denominator2, Color numeratorColor,
                                 Color denominatorColor, const std::string& tag) {
    return cell("extended_fraction",
                {operatorText, decimal(numerator1), decimal(denominator1), decimal(numerator2), decimal(denominator2)},
                {rawValue(numeratorColor), rawValue(denominatorColor)}, "extended_fraction", tag);
}

TagLayout fractionCancelNumeratorAndDenominatorLayout(std::int64_t numerator, std::int64_t denominator,
                                                      std::int64_t newNumerator, std::int64_t newDenominator,
                                                      const CancelBothColors& colors, const std::string& tag) {
    return cell("fraction_cancel_numerator_and_denominator",
                {decimal(numerator), decimal(denominator), decimal(newNumerator), decimal(newDenominator)},
                {rawValue(colors.numerator), rawValue(colors.denominator), rawValue(colors.newNumerator),
                 rawValue(colors.newDenominator), rawValue(colors.numeratorStrike), rawValue(colors.denominatorStrike)},
                tag);
}

TagLayout fractionCancelNumeratorLayout(std::int64_t numerator, std::int64_t denominator, std::int64_t newNumerator,
                                        const CancelOneColors& colors, const std::string& tag) {
    return cancelOne("fraction_cancel_numerator", numerator, denominator, newNumerator, colors, tag);
}

TagLayout fractionCancelDenominatorLayout(std::int64_t numerator, std::int64_t denominator, std::int64_t newDenominator,
                                          const CancelOneColors& colors, const std::string& tag) {
    return cancelOne("fraction_cancel_denominator", numerator, denominator, newDenominator, colors, tag);
}

TagLayout blockLayout(const TagLayout& child) {
    // The block row stands right after the child's rows; an empty child still
    // has the start row's place.
    const std::size_t blockRow = child.empty() ? 1 : child.size();
    TagLayout out{{"start", std::to_string(blockRow)}};
    out.reserve(blockRow + 1);
    for (std::size_t i = 1; i < child.size(); ++i) out.push_back(child[i]);
    const bool hasRoot = !child.empty() && child[0].size() > 1;
    out.push_back({"block", hasRoot ? child[0][1] : "0"});
    return out;
}

TagLayout numberLayout(std::int64_t whole, std::int64_t numerator, std::int64_t denominator, Color wholeColor,
                       Color numeratorColor, Color denominatorColor, const std::string& tag) {
    if (denominator == 0 || numerator == 0) return wholeLayout(whole, wholeColor, tag);
    if (whole == 0) return fractionLayout(numerator, denominator, numeratorColor, denominatorColor, tag);
    return mixedNumberLayout(whole, numerator, denominator, wholeColor, numeratorColor, denominatorColor, tag);
}

TagLayout rationalToLayout(std::int64_t numerator, std::int64_t denominator, bool reduce) {
    if (denominator == 0) {
        // n over 0 as it stands: the usual sign rule would call -3/0 positive.
        TagLayout layout = signedRationalLayout(numerator, 0, Color::black, Color::black, Color::black, Color::black,
                                                defaultLayoutTag());
        layout[1].set(1, numerator < 0 ? "-" : "+");
        return layout;
    }
    // -1 divides everything; asking for the remainder of the least value by -1
    // would overflow.
    if (denominator == -1 || numerator % denominator == 0) {
        const CheckedInt quotient = checkedDivide(numerator, denominator);
        TagLayout layout = integerLayout(quotient.value_or(0), Color::black, defaultLayoutTag());
        if (!quotient) layout[1].set(1, negatedDecimal(numerator));  // only the least value over -1
        return layout;
    }
    std::int64_t n = numerator;
    std::int64_t d = denominator;
    if (reduce) {
        // Below 2^63 here: the denominator does not divide the numerator, so
        // they are not both the least value.
        const auto g = static_cast<std::int64_t>(gcdOfMagnitudes(magnitude(n), magnitude(d)));
        n /= g;
        d /= g;
    }
    return signedRationalLayout(n, d, Color::black, Color::black, Color::black, Color::black, defaultLayoutTag());
}

}  // namespace duolinear

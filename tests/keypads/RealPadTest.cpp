// Nothing in the program reports to the real-number keypad; a stand-in
// screen does here.

#include <gtest/gtest.h>

#include "KeypadHarness.h"
#include "keypads/UniversalRealPadView.h"

namespace duolinear {
namespace {

struct RealKeypad : testing::HostedKeypad<UniversalRealPadView> {
    RealKeypad() : HostedKeypad({.inputs = {{{"0", "0"}}}, .polynomials = {{{"0"}}}, .fractions = {{{"0", "0"}}}}) {}
};

TEST(RealPad, PointAndOneLeadingZeroDoNotCountAgainstTheLimit) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{".", "5", "1", "2", "3"}, "0.512"},
        {{"+/-", ".", "1", "2", "3", "4"}, "-0.123"},
        {{"1", "2", ".", "3", "4"}, "12.3"},
        {{"5", ".", "1", "2", "3"}, "5.12"},
        {{"1", ".", "5", "."}, "1.5"},
        {{"7"}, "7"},
        {{"+/-", "7"}, "-7"},
        {{".", "5", "DEL"}, "0."},
        {{".", "5", "DEL", "DEL"}, "0"},
    };
    for (const auto& [keys, expected] : cases) {
        RealKeypad keypad;
        keypad.hosted.tapKeys(keys);
        EXPECT_EQ(keypad.hosted.text(1), expected) << keys.size() << " keys ending " << keys.back();
    }
}

TEST(RealPad, MinusZeroIsHandedOverUnchangedOnlyFromInputFields) {
    RealKeypad keypad;
    keypad.hosted.tapKeys({"+/-", "I2", ".", "2", "P1025", "+/-", "F2049", "+/-", "F2050", "4", "🤔"});
    ASSERT_EQ(keypad.screen.received.size(), 1u);
    EXPECT_EQ(keypad.screen.received[0].inputs, (ElementGroups{{{"-0", "0.2"}}, {{"0", "➘"}}, {{"0", "4"}}}));
    EXPECT_EQ(keypad.screen.maxDigitsAsked, 2);  // at every digit

    keypad.pad->setDataSource(nullptr);
    keypad.hosted.tapKeys({"7", "+/-"});
    EXPECT_EQ(keypad.hosted.text(2050), "4");
}

}  // namespace
}  // namespace duolinear

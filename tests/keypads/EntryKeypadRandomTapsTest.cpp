// Thousands of seeded random taps on an entry keypad, at random points or on
// random keys: every field stays a valid integer text within the digit limit
// and only one field and one option per row stay green.

#include <gtest/gtest.h>

#include <random>
#include <regex>

#include "KeypadHarness.h"

namespace duolinear {
namespace {

TEST(EntryKeypadRandomTaps, FieldsStayValidIntegersWithinTheLimit)
{
    const long long fields[] = {1, 2, 3, 65, 66, 67};
    std::vector<std::string> titles = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "+/-", "C", "DEL", ".", "🤔",
                                       "O4097", "O4098", "O4161", "O4162", "O4225", "O4226"};
    for (long long tag : fields) titles.push_back("I" + std::to_string(tag));

    for (const int digits : {1, 3, 5}) {
        testing::EntryKeypad keypad;
        keypad.screen.digits = digits;
        const std::regex valid("-?(0|[1-9][0-9]{0," + std::to_string(digits - 1) + "})");
        std::mt19937 random(1234u + digits);
        for (int tap = 0; tap < 3000; ++tap) {
            if (tap % 2 == 0) {
                keypad.hosted.tap({std::uniform_real_distribution<>(0, 390)(random),
                                   std::uniform_real_distribution<>(0, 844)(random)});
            } else {
                const std::size_t key = std::uniform_int_distribution<std::size_t>(0, titles.size() - 1)(random);
                keypad.hosted.tapKeys({titles[key]});
            }
            int green = 0;
            for (long long tag : fields) {
                ASSERT_TRUE(std::regex_match(keypad.hosted.text(tag), valid))
                    << keypad.hosted.text(tag) << " after tap " << tap << " with " << digits << " digits";
                green += keypad.hosted.background(tag) == gfx::Color::green();
            }
            ASSERT_EQ(green, 1) << "after tap " << tap;
            for (long long first : {4097, 4161, 4225}) {
                ASSERT_NE(keypad.hosted.background(first), keypad.hosted.background(first + 1)) << tap;
            }
        }
        EXPECT_FALSE(keypad.screen.received.empty());
        for (const testing::HandOver& handOver : keypad.screen.received) {
            for (const auto& group : handOver.inputs) {
                for (const std::string& text : group.at(0)) EXPECT_TRUE(text != "-0" && std::regex_match(text, valid));
            }
        }
    }
}

}  // namespace
}  // namespace duolinear

// The entry keypad in a phone-sized window, tapped as a user would: edits
// of the selected field, the green marks, the hand-over on "🤔", and
// thousands of random taps that leave every field a valid integer text.

#include <random>
#include <regex>

#include <gtest/gtest.h>

#include "KeypadHarness.h"
#include "keypads/KeyTitles.h"
#include "keypads/UniversalIntegerIOView.h"
#include "keypads/UniversalNumericPadView.h"
#include "platform/ui/Responder.h"

namespace duolinear {
namespace {

using testing::EntryKeypad;
using testing::greenLabels;

const std::vector<long long> kFields = {1, 2, 3, 65, 66, 67};
const std::vector<long long> kOptions = {4097, 4098, 4161, 4162, 4225, 4226};

TEST(EntryKeypad, KeysEditTheSelectedField) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"5", "1", "2"}, "512"},
        {{"5", "1", "2", "4"}, "512"},
        {{"0", "0"}, "0"},
        {{"+/-", "7"}, "-7"},
        {{"+/-", "1", "2", "3", "4"}, "-123"},
        {{"+/-", "7", "DEL"}, "-0"},
        {{"+/-", "DEL"}, "-0"},
        {{"7", "DEL"}, "0"},
        {{"1", "2", "3", "DEL"}, "12"},
        {{"1", "2", "3", "+/-", "DEL"}, "-12"},
        {{"+/-"}, "-0"},
        {{"+/-", "+/-"}, "0"},
        {{"1", "2", "3", "+/-"}, "-123"},
        {{"1", "2", "3", "+/-", "C"}, "0"},
        {{"1", ".", "5"}, "15"},
    };
    for (const auto& [keys, expected] : cases) {
        EntryKeypad keypad;
        keypad.hosted.tapKeys(keys);
        const std::string what = std::to_string(keys.size()) + " keys ending " + keys.back();
        EXPECT_EQ(keypad.hosted.text(1), expected) << what;
        for (long long tag : {2, 3, 65, 66, 67}) EXPECT_EQ(keypad.hosted.text(tag), "0") << what;
    }

    // Without permission "+/-" does nothing; the limit is asked afresh;
    // without a data source only a zero is replaced.
    EntryKeypad keypad;
    keypad.screen.negative = false;
    keypad.hosted.tapKeys({"1", "2", "+/-"});
    keypad.screen.digits = 4;
    keypad.hosted.tapKeys({"3", "4", "5"});
    EXPECT_EQ(keypad.hosted.text(1), "1234");
    keypad.pad->setDataSource(nullptr);
    keypad.hosted.tapKeys({"I2", "4", "2"});
    EXPECT_EQ(keypad.hosted.text(2), "4");
}

TEST(EntryKeypad, FieldAndOptionKeysMoveTheGreenMark) {
    EntryKeypad keypad;
    auto& hosted = keypad.hosted;
    EXPECT_EQ(greenLabels(hosted, kFields), std::vector<long long>{1});
    EXPECT_EQ(greenLabels(hosted, kOptions), (std::vector<long long>{4097, 4161, 4225}));

    hosted.tapKeys({"I66", "4", "I66", "O4098", "O4098", "O4226"});
    EXPECT_EQ(keypad.pad->selection(), 66);
    EXPECT_EQ(hosted.text(66), "4");
    EXPECT_EQ(greenLabels(hosted, kFields), std::vector<long long>{66});
    EXPECT_EQ(greenLabels(hosted, kOptions), (std::vector<long long>{4098, 4161, 4226}));
    EXPECT_EQ(keypad.pad->optionsSelections(), (std::vector<std::vector<long long>>{{4098}, {4161}, {4226}}));
}

TEST(EntryKeypad, ThinkKeyHandsOverEntriesAndChosenOptionsAndResetsNothing) {
    EntryKeypad keypad;
    auto& hosted = keypad.hosted;
    hosted.tapKeys({"2", "I2", "+/-", "I3", "1", "2", "I65", "5", "+/-", "I67", "7", "O4098", "O4226", "🤔", "🤔"});
    ASSERT_EQ(keypad.screen.received.size(), 2u);
    for (const testing::HandOver& got : keypad.screen.received) {
        EXPECT_EQ(got.inputs, (ElementGroups{{{"2", "0", "12"}}, {{"-5", "0", "7"}}}));
        EXPECT_EQ(got.options, (SelectedTexts{{"eliminate y to find x"}, {"substitute in first"}, {"smart ✖️"}}));
        EXPECT_TRUE(got.multiLine.empty());
    }
    EXPECT_EQ(hosted.text(2), "-0");

    keypad.pad->setDelegate(nullptr);
    hosted.tapKeys({"🤔"});
    EXPECT_EQ(keypad.screen.received.size(), 2u);
}

TEST(EntryKeypad, PolynomialArrowsAndMultiLineEntries) {
    // The first field of the first kind there is starts selected: inputs,
    // then polynomials, then fractions.
    const std::pair<EntryElements, long long> firsts[] = {
        {{.inputs = {{{"0"}, {"0"}}}, .fractions = {{{"0", "0"}}}}, 1},
        {{.polynomials = {{{"0"}, {"0"}}}, .fractions = {{{"0", "0"}}}}, 1025},
        {{.fractions = {{{"0", "0"}, {"0", "0"}}, {{"0", "0"}}}}, 2049},
    };
    for (const auto& [elements, first] : firsts) {
        EntryKeypad fields(elements);
        fields.hosted.tapKeys({"5"});
        EXPECT_EQ(fields.pad->selection(), first);
        EXPECT_EQ(fields.hosted.text(first), "5");
    }

    EntryKeypad keypad(EntryElements{.polynomials = {{{"0", "0", "0"}}}, .multiLine = {{{"first", "second"}}}});
    auto& hosted = keypad.hosted;
    EXPECT_EQ(keypad.pad->selection(), 1025);
    hosted.tapKeys({"P_option1028", "+/-"});
    EXPECT_EQ(hosted.text(1028), "➚");  // the arrow selects no field
    EXPECT_EQ(hosted.text(1025), "-0");
    hosted.tapKeys({"P_option1028", "P_option1028", "P1026", "3", "M3074", "🤔"});
    EXPECT_EQ(greenLabels(hosted, {1025, 1026, 1027, 3073, 3074}), (std::vector<long long>{1026, 3074}));
    ASSERT_EQ(keypad.screen.received.size(), 1u);
    EXPECT_EQ(keypad.screen.received[0].inputs, (ElementGroups{{{"0", "3", "0", "➚"}}}));
    EXPECT_EQ(keypad.screen.received[0].multiLine, (SelectedTexts{{"second"}}));
}

void press(EntryKeypadView& pad, const char* title) {
    ui::Button key;
    key.setTitle(title);
    pad.keyPressed(&key);
}

TEST(EntryKeypad, KeysThatNameNoElementChangeNothing) {
    EntryKeypad keypad;
    // O4099 names the option just past its row's, O4105 and O4289 the row
    // and the group just past the last ones.
    for (const char* title : {"O9999", "O4096", "O4353", "O4099", "O4105", "O4289", "I4097", "I999", "P1025",
                              "P_option1028", "M3073", "L5121", "X", ""}) {
        press(*keypad.pad, title);
    }
    ui::Button untitled;
    keypad.pad->keyPressed(&untitled);
    keypad.pad->keyPressed(keypad.hosted.label(1));
    keypad.pad->keyPressed(nullptr);
    for (long long tag : kFields) EXPECT_EQ(keypad.hosted.text(tag), "0");
    EXPECT_EQ(greenLabels(keypad.hosted, kFields), std::vector<long long>{1});
    EXPECT_EQ(greenLabels(keypad.hosted, kOptions), (std::vector<long long>{4097, 4161, 4225}));
    EXPECT_TRUE(keypad.screen.received.empty());

    // The keypad's own platform action reaches its key handler; any other
    // action passes it by.
    ui::Button five;
    five.setTitle("5");
    EXPECT_FALSE(ui::sendAction("tapWithSender:", nullptr, *keypad.pad, &five));
    EXPECT_EQ(keypad.hosted.text(1), "0");
    EXPECT_TRUE(ui::sendAction(kKeyPressedAction, nullptr, *keypad.pad, &five));
    EXPECT_EQ(keypad.hosted.text(1), "5");

    // Multi-line keys past the entries name no label.
    EntryKeypad lines(EntryElements{.inputs = {{{"0"}}}, .multiLine = {{{"first", "second"}}}});
    for (const char* title : {"M3075", "M3081", "M3072"}) press(*lines.pad, title);
    EXPECT_EQ(lines.pad->multiLineSelection(), 3073);
    EXPECT_EQ(greenLabels(lines.hosted, {3073, 3074}), std::vector<long long>{3073});
    // An empty input group leaves no field selected, and then no key acts.
    EntryKeypad noField(EntryElements{.inputs = {{}}, .multiLine = {{{"first", "second"}}}});
    for (const char* title : {"5", "M3074"}) press(*noField.pad, title);
    EXPECT_EQ(noField.pad->multiLineSelection(), 3073);
}

// Parts that someone else keeps after the keypad is gone report to no one.
TEST(EntryKeypad, PartsThatOutliveTheKeypadReportToNoOne) {
    std::vector<std::shared_ptr<ui::View>> parts;
    {
        EntryKeypad keypad;
        parts = keypad.pad->subviews();
    }
    ui::Button key;
    key.setTitle("5");
    for (const auto& part : parts) {
        if (auto* fields = dynamic_cast<UniversalIntegerIOView*>(part.get())) fields->keyPressed(&key);
        if (auto* numbers = dynamic_cast<UniversalNumericPadView*>(part.get())) numbers->keyPressed(&key);
    }
    EXPECT_GE(parts.size(), 3u);
}

TEST(EntryKeypad, ThreePartsStackedFiveApart) {
    for (const std::size_t optionGroups : {3u, 2u}) {
        EntryElements elements = testing::entryScreenElements();
        elements.options.resize(optionGroups);
        EntryKeypad keypad(elements);
        auto& hosted = keypad.hosted;
        EXPECT_TRUE(hosted.layoutProblems().empty());
        // The keypad is 380 x 834; the fields count (2 + option groups) / 6.
        const double factor = (2.0 + optionGroups) / 6.0;
        const double numeric = (834.0 - 10.0) / (1.0 + 1.0 / 7.5 + factor);
        const double info = numeric / 7.5;
        const double fields = numeric * factor;
        EXPECT_TRUE(testing::nearRect(hosted.frame(keypad.pad->infoView()), {{5, 5}, {380, info}}));
        EXPECT_TRUE(testing::nearRect(hosted.frame(keypad.pad->fieldsView()), {{5, 10 + info}, {380, fields}}));
        EXPECT_TRUE(
            testing::nearRect(hosted.frame(keypad.pad->numericPad()), {{5, 15 + info + fields}, {380, numeric}}));
        // Bands of equal height 5 apart: the option rows, then the two equations;
        // within a band the fields 5 apart and equally wide.
        const double band = (fields - 5.0 * (optionGroups + 1)) / (optionGroups + 2);
        const auto expectBand = [&](std::size_t b, long long firstTag, int count) {
            const double width = (380.0 - 5.0 * (count - 1)) / count;
            for (int k = 0; k < count; ++k) {
                EXPECT_TRUE(testing::nearRect(hosted.frame(*hosted.label(firstTag + k)),
                                              {{5 + k * (width + 5), 10 + info + b * (band + 5)}, {width, band}}))
                    << firstTag + k;
            }
        };
        for (std::size_t g = 0; g < optionGroups; ++g) expectBand(g, 4097 + 64 * static_cast<long long>(g), 2);
        expectBand(optionGroups, 1, 3);
        expectBand(optionGroups + 1, 65, 3);
    }
}

TEST(EntryKeypad, RandomTapsLeaveValidIntegersWithinTheLimitAndOneMarkPerRow) {
    std::vector<std::string> titles = {"0",    "1",     "2",     "3",     "4",     "5",     "6",
                                       "7",    "8",     "9",     "+/-",   "C",     "DEL",   ".",
                                       "🤔", "O4097", "O4098", "O4161", "O4162", "O4225", "O4226"};
    for (long long tag : kFields) titles.push_back("I" + std::to_string(tag));

    for (const int digits : {1, 3, 5}) {
        EntryKeypad keypad;
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
            for (long long tag : kFields) {
                ASSERT_TRUE(std::regex_match(keypad.hosted.text(tag), valid))
                    << keypad.hosted.text(tag) << " after tap " << tap << " with " << digits << " digits";
            }
            ASSERT_EQ(greenLabels(keypad.hosted, kFields).size(), 1u) << "after tap " << tap;
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

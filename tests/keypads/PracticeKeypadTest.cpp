#include <gtest/gtest.h>

#include "PracticeHarness.h"
#include "keypads/KeyTitles.h"
#include "keypads/UniversalIntegerPracticeIOView.h"
#include "platform/ui/Responder.h"

namespace duolinear {
namespace {

using testing::HostedPracticeKeypad;
using testing::substitutionPracticeElements;
using Tags = std::vector<std::vector<long long>>;

const std::vector<long long> kSelectable = {4097, 4098, 4161, 4162, 5121, 5122, 5123, 5124, 5125};

TEST(PracticeKeypad, StartsWithTheGivenOptionsAndTheFirstLevel) {
    const std::pair<OptionIndices, Tags> cases[] = {
        {{{1}, {0}}, {{4098}, {4161}}},
        {{}, {{4097}, {4161}}},
        {{{7}, {1}}, {{4097}, {4162}}},  // no such option: the first, as the fields view shows it
    };
    for (const auto& [indices, tags] : cases) {
        HostedPracticeKeypad keypad(substitutionPracticeElements(indices));
        EXPECT_EQ(keypad.pad->optionsSelections(), tags);
        EXPECT_EQ(testing::greenLabels(keypad.hosted, kSelectable),
                  (std::vector<long long>{tags[0][0], tags[1][0], 5121}));
        EXPECT_EQ(keypad.pad->levelSelection(), 5121);
        EXPECT_FALSE(keypad.pad->multiLineSelection());
    }
    PracticeElements noLevels = substitutionPracticeElements();
    noLevels.levels.clear();
    EXPECT_EQ(HostedPracticeKeypad(noLevels).pad->levelSelection(), 0);
}

TEST(PracticeKeypad, LevelsBringNewProblemsAndThinkHandsOverTheOneOnDisplay) {
    HostedPracticeKeypad keypad(substitutionPracticeElements({{1}, {0}}));
    auto& hosted = keypad.hosted;
    hosted.tapKeys({"🤔", "L5123", "L5123"});  // the selected level again: a new problem all the same
    EXPECT_EQ(testing::greenLabels(hosted, kSelectable), (std::vector<long long>{4098, 4161, 5123}));
    hosted.tapKeys({"L5125", "O4097", "🤔"});

    std::vector<int> levels;
    for (const auto& request : keypad.screen.requests) {
        levels.push_back(request.level);
        EXPECT_EQ(request.options, (SelectedTexts{{"y in terms of x"}, {"from the first"}}));
    }
    EXPECT_EQ(levels, (std::vector<int>{2, 2, 4}));
    EXPECT_EQ(hosted.text(6145), "problem 3, row 0");
    EXPECT_EQ(testing::greenLabels(hosted, kSelectable), (std::vector<long long>{4097, 4161, 5125}));

    const auto& received = keypad.screen.received;
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0].inputs, testing::kFirstInputs);
    EXPECT_EQ(received[0].options, (SelectedTexts{{"y in terms of x"}, {"from the first"}}));
    EXPECT_TRUE(received[0].multiLine.empty());
    EXPECT_EQ(received[1].inputs, (ElementGroups{{{"3", "0", "0"}}, {{"0", "3", "0"}}}));
    EXPECT_EQ(received[1].options, (SelectedTexts{{"x in terms of y"}, {"from the first"}}));

    keypad.pad->setDelegate(nullptr);
    hosted.tapKeys({"🤔"});
    EXPECT_EQ(received.size(), 2u);
}

TEST(PracticeKeypad, OptionsMoveWithinTheirRowAndAskForProblemsOnlyWhereFlagged) {
    struct Case {
        OptionRowFlags flushOptions;
        std::vector<std::string> keys;
        Tags selections;
        std::vector<int> levelsAsked;
    };
    const Case cases[] = {
        {{}, {"O4097", "O4097", "O4162"}, {{4097}, {4162}}, {}},  // as on the practice screens
        // The flagged row asks on every tap, its selected option included.
        {{{"YES"}, {"NO"}}, {"O4097", "O4097", "O4162", "L5124", "O4098"}, {{4098}, {4162}}, {0, 0, 3, 3}},
        {{{"YES"}}, {"O4161", "O4162", "O4098"}, {{4098}, {4162}}, {0}},  // rows past the flags: unflagged
    };
    for (const Case& c : cases) {
        HostedPracticeKeypad keypad(substitutionPracticeElements({{1}, {0}}), c.flushOptions);
        keypad.hosted.tapKeys(c.keys);
        EXPECT_EQ(keypad.pad->optionsSelections(), c.selections);
        EXPECT_EQ(testing::greenLabels(keypad.hosted, {4097, 4098, 4161, 4162}),
                  (std::vector<long long>{c.selections[0][0], c.selections[1][0]}));
        std::vector<int> asked;
        for (const auto& request : keypad.screen.requests) asked.push_back(request.level);
        EXPECT_EQ(asked, c.levelsAsked);
    }
    // The selection moves before the problem is asked for.
    HostedPracticeKeypad keypad(substitutionPracticeElements(), {{"NO"}, {"YES"}});
    keypad.hosted.tapKeys({"O4162"});
    ASSERT_EQ(keypad.screen.requests.size(), 1u);
    EXPECT_EQ(keypad.screen.requests[0].options, (SelectedTexts{{"x in terms of y"}, {"from the second"}}));

    // The keypad's own platform action reaches its key handler; any other
    // action passes it by.
    ui::Button key;
    key.setTitle("O4098");
    EXPECT_FALSE(ui::sendAction("tapWithSender:", nullptr, *keypad.pad, &key));
    EXPECT_EQ(keypad.pad->optionsSelections(), (Tags{{4097}, {4162}}));
    EXPECT_TRUE(ui::sendAction(kKeyPressedAction, nullptr, *keypad.pad, &key));
    EXPECT_EQ(keypad.pad->optionsSelections(), (Tags{{4098}, {4162}}));
}

TEST(PracticeKeypad, MultiLineEntriesAndExampleRows) {
    PracticeElements elements = substitutionPracticeElements();
    elements.multiLine = {{{"first", "second"}}};
    elements.examples = {gfx::AttributedText("a"), gfx::AttributedText("b"), gfx::AttributedText("c")};
    HostedPracticeKeypad keypad(elements);
    keypad.screen.rowsPerProblem = 4;
    keypad.hosted.tapKeys({"M3074", "M3074", "L5122"});
    EXPECT_EQ(keypad.pad->multiLineSelection(), 3074);
    EXPECT_EQ(testing::greenLabels(keypad.hosted, {3073, 3074}), std::vector<long long>{3074});
    ASSERT_EQ(keypad.screen.requests.size(), 1u);
    EXPECT_EQ(keypad.screen.requests[0].multiLine, (SelectedTexts{{"second"}}));
    EXPECT_EQ(keypad.hosted.text(6147), "problem 1, row 2");
    for (const char* past : {"M3075", "M3081"}) {  // name no label
        ui::Button key;
        key.setTitle(past);
        keypad.pad->keyPressed(&key);
    }
    EXPECT_EQ(keypad.pad->multiLineSelection(), 3074);

    // Rows that a new problem does not fill are emptied, not left showing the old one.
    keypad.screen.rowsPerProblem = 1;
    keypad.hosted.tapKeys({"L5122"});
    EXPECT_EQ(keypad.hosted.text(6145), "problem 2, row 0");
    EXPECT_EQ(keypad.hosted.text(6146), "");
    EXPECT_EQ(keypad.hosted.text(6147), "");

    // Without a data source the level moves and the problem stays.
    keypad.pad->setDataSource(nullptr);
    keypad.hosted.tapKeys({"L5124"});
    EXPECT_EQ(keypad.pad->levelSelection(), 5124);
    EXPECT_EQ(keypad.pad->inputs(), (ElementGroups{{{"2", "0", "0"}}, {{"0", "2", "0"}}}));
}

TEST(PracticeKeypad, KeysThatNameNoElementChangeNothing) {
    HostedPracticeKeypad keypad;
    // O4105 and O4225 name the row and the group just past the last ones.
    for (const char* title : {"I1", "5", "DEL", "+/-", ".", "X", "", "O", "O4096", "O4105", "O4225", "L5120", "L6145",
                              "L99999999999999999999", "M3073", "🤔 "}) {
        ui::Button key;
        key.setTitle(title);
        keypad.pad->keyPressed(&key);
    }
    ui::Button untitled;
    keypad.pad->keyPressed(&untitled);
    keypad.pad->keyPressed(keypad.hosted.label(4097));
    keypad.pad->keyPressed(nullptr);
    EXPECT_EQ(testing::greenLabels(keypad.hosted, {4097, 4098, 4161, 4162, 5121, 6145}),
              (std::vector<long long>{4097, 4161, 5121}));
    EXPECT_TRUE(keypad.screen.requests.empty());
    EXPECT_TRUE(keypad.screen.received.empty());
}

TEST(PracticeKeypad, AFieldsViewThatOutlivesTheKeypadReportsToNoOne) {
    std::vector<std::shared_ptr<ui::View>> parts;
    {
        HostedPracticeKeypad keypad;
        parts = keypad.pad->subviews();
    }
    ui::Button key;
    key.setTitle("O4098");
    for (const auto& part : parts) {
        if (auto* fields = dynamic_cast<UniversalIntegerPracticeIOView*>(part.get())) fields->keyPressed(&key);
    }
    EXPECT_GE(parts.size(), 2u);
}

TEST(PracticeKeypad, FieldsViewIsRowsOverHalfTheInfoLinesTimesTheInfoView) {
    // One info line, two option groups, one example: rows 5, so in 560
    // points the info view is 50 high and the fields view, 10 below, 500.
    HostedPracticeKeypad keypad(substitutionPracticeElements(), {}, {"🤔 for steps"}, 570);
    EXPECT_TRUE(keypad.hosted.layoutProblems().empty());
    EXPECT_TRUE(testing::nearRect(keypad.hosted.frame(keypad.pad->infoView()), {{5, 5}, {380, 50}}));
    EXPECT_TRUE(testing::nearRect(keypad.hosted.frame(keypad.pad->fieldsView()), {{5, 65}, {380, 500}}));

    // Without info lines the info view takes no height.
    HostedPracticeKeypad bare(substitutionPracticeElements(), {}, {}, 570);
    EXPECT_TRUE(bare.hosted.layoutProblems().empty());
    EXPECT_TRUE(testing::nearRect(bare.hosted.frame(bare.pad->infoView()), {{5, 5}, {380, 0}}));
    EXPECT_TRUE(testing::nearRect(bare.hosted.frame(bare.pad->fieldsView()), {{5, 15}, {380, 550}}));
}

}  // namespace
}  // namespace duolinear

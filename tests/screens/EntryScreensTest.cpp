// The entry screens end to end: a system typed on the keypad, "🤔", and its
// worked solution paged through; the options stored and preselected after a
// restart, whatever a damaged preferences file holds.

#include <fstream>
#include <tuple>

#include "ScreenTestSupport.h"
#include "screens/EntryScreen.h"
#include "screens/OptionChoices.h"
#include "screens/PracticeScreen.h"
#include "screens/StepScreenHandOver.h"
#include "screens/SystemEntries.h"

namespace duolinear::screen_tests {
namespace {

TEST(EntryScreens, TypedSystemIsWorkedByTheScreensMethodAndPagedThrough) {
    const std::pair<std::string, Duolinear_method> methods[] = {{"Addition", Duolinear_method::addition},
                                                                {"Elimination", Duolinear_method::elimination},
                                                                {"Substitution", Duolinear_method::substitution}};
    for (const auto& [menu, method] : methods) {
        TempFolder folder;
        RunningApp app(folder.preferences());
        ASSERT_TRUE(app.tap({menu, "Enter a system"}));
        for (long long tag : {1, 2, 3, 65, 66, 67}) EXPECT_EQ(app.text(tag), "0") << menu;
        ASSERT_TRUE(app.tap({"2", "I2", "3", "I3", "5", "I65", "1", "I66", "1", "+/-"}) && app.think());

        UniversalEngineVC* steps = app.top<UniversalEngineVC>();
        ASSERT_NE(steps, nullptr) << menu;
        EXPECT_EQ(app.top<DuolinearEntryScreen>(1)->theSegue(), "Duolinear_" + menu + "_Segue");
        const DuolinearModel expected = systemModel({2, 3, 5, 1, -1, 0}, method);
        EXPECT_EQ(describe(app.top<DuolinearEntryScreen>(1)->theModel()), describe(expected));
        EXPECT_TRUE(holdsSolutionOf(*steps, expected)) << menu;

        const int count = static_cast<int>(steps->detailSteps().size());
        EXPECT_GE(count, 3) << menu;
        for (int i = 0; i <= count; ++i) {
            EXPECT_EQ(steps->universalEngineView()->step(), i % count) << menu << ", wrapping round at the end";
            app.host().render();  // the step view counts the steps as it draws
            app.nextStep(*steps);
        }
        EXPECT_EQ(ui::UserDefaults(folder.preferences()).integerForKey(kVariablePreferenceKey), 0);
        EXPECT_TRUE(fs::exists(folder.preferences()));
    }
}

TEST(EntryScreens, ChosenOptionsAreStoredAndComeBackAfterARestart) {
    TempFolder folder;
    {
        RunningApp app(folder.preferences());
        ASSERT_TRUE(app.tap({"Substitution", "Enter a system", "O4098", "O4162", "🤔"}));
        DuolinearModel expected = systemModel({0, 0, 0, 0, 0, 0}, Duolinear_method::substitution);
        expected.variable = Duolinear_variable::y;
        expected.equation = Duolinear_equation::second;
        EXPECT_EQ(describe(app.top<DuolinearEntryScreen>(1)->theModel()), describe(expected));
    }
    {
        RunningApp app(folder.preferences());
        ASSERT_TRUE(app.tap({"Addition", "Enter a system"}));
        EXPECT_EQ(app.green(kOptionTags), (std::vector<long long>{4098, 4162, 4225}));
        ASSERT_TRUE(app.tap({"O4226", "🤔"}));
        EXPECT_EQ(app.top<DuolinearEntryScreen>(1)->theModel().use_LCM, Duolinear_LCM::smart);
    }
    ui::UserDefaults stored(folder.preferences());
    // The keys are the file's format: preferences written by an earlier version must still be read.
    for (const char* key : {"duolinear_variable", "duolinear_equation", "duolinear_LCM"}) {
        EXPECT_EQ(stored.integerForKey(key), 1) << key;
    }
    RunningApp app(folder.preferences());
    for (const std::string menu : {"Elimination", "Substitution"}) {
        for (const std::string screen : {"Enter a system", "Practice"}) {
            ASSERT_TRUE(app.tap({menu, screen}));
            EXPECT_EQ(app.green(kOptionTags), (menu == "Elimination" ? std::vector<long long>{4098, 4162, 4226}
                                                                     : std::vector<long long>{4098, 4162}))
                << menu << " " << screen;
            app.host().back();
            app.host().back();
        }
    }
    // Substitution never takes the stored multiplier choice into its model.
    ASSERT_TRUE(app.tap({"Substitution", "Enter a system", "🤔"}));
    EXPECT_EQ(app.top<DuolinearEntryScreen>(1)->theModel().use_LCM, Duolinear_LCM::LCM);
}

TEST(EntryScreens, StoredValuesOtherThanZeroOrOneSelectTheFirstOption) {
    TempFolder folder;
    std::ofstream(folder.preferences()) << R"({"duolinear_variable": 7, "duolinear_equation": -1, "duolinear_LCM": 1})";
    RunningApp app(folder.preferences());
    EXPECT_EQ(storedOptionSelections(Duolinear_method::addition), (OptionIndices{{0}, {0}, {1}}));
    EXPECT_EQ(storedOptionSelections(Duolinear_method::substitution), (OptionIndices{{0}, {0}}));
    for (const std::string screen : {"Enter a system", "Practice"}) {
        ASSERT_TRUE(app.tap({"Elimination", screen}));
        EXPECT_EQ(app.green(kOptionTags), (std::vector<long long>{4097, 4161, 4226})) << screen;
        ASSERT_TRUE(app.tap({"O4098"}));  // leaving without "🤔" stores nothing
        // A keypad that outlives its screen no longer reports to it.
        const std::shared_ptr<ui::View> pad = app.navigation().topViewController()->view()->subviews().at(0);
        app.host().back();
        app.host().back();
        if (auto entry = std::dynamic_pointer_cast<UniversalIntegerPadView>(pad)) {
            EXPECT_EQ(entry->delegate(), nullptr);
            EXPECT_EQ(entry->dataSource(), nullptr);
        } else {
            auto practice = std::dynamic_pointer_cast<UniversalIntegerPracticePadView>(pad);
            ASSERT_NE(practice, nullptr) << screen;
            EXPECT_EQ(practice->delegate(), nullptr);
            EXPECT_EQ(practice->dataSource(), nullptr);
        }
    }
    EXPECT_EQ(ui::UserDefaults(folder.preferences()).integerForKey(kVariablePreferenceKey), 7);
}

// Only six whole numbers that fit in 64 bits become a system; anything else
// leaves the model as it was.
TEST(EntryScreens, OnlySixWholeNumbersAreTaken) {
    struct Case {
        std::vector<std::string> second;  // the first equation is always 1 2 3
        bool taken;
    };
    const Case cases[] = {
        {{"4", "-5", "-0"}, true},
        {{"9223372036854775807", "-9223372036854775808", "0"}, true},
        {{"9223372036854775808", "1", "1"}, false},
        {{"4", "", "6"}, false},
        {{"4", "+5", "6"}, false},
        {{"4", "5 ", "6"}, false},
        {{"4", "5"}, false},
    };
    for (const Case& c : cases) {
        DuolinearModel model = systemModel({7, 7, 7, 7, 7, 7}, Duolinear_method::addition);
        const std::string before = describe(model);
        EXPECT_EQ(fillCoefficients(model, {{{"1", "2", "3"}}, {c.second}}), c.taken) << c.second.at(0);
        if (c.taken) {
            EXPECT_EQ(model.coeffs_L_1.at(1).numerator, std::stoll(c.second.at(1)));
        } else {
            EXPECT_EQ(describe(model), before);
        }
    }
    DuolinearModel model;
    EXPECT_FALSE(fillCoefficients(model, {{{"1", "2", "3"}}}));
}

// The screen's own segue to a step screen is covered above; any other
// segue, or a destination that only holds a step screen, receives nothing.
TEST(EntryScreens, OnlyTheScreensOwnSegueHandsTheSolutionToAStepScreen) {
    const std::string own = "Duolinear_Elimination_Segue";
    ui::ViewController source;
    auto steps = std::make_shared<UniversalEngineVC>();
    auto container = std::make_shared<ui::NavigationController>(std::make_shared<UniversalEngineVC>());
    const std::tuple<std::string, std::shared_ptr<ui::ViewController>, bool> segues[] = {
        {"Duolinear_Addition_Segue", steps, false}, {"", steps, false}, {own, container, true}};
    for (const auto& [identifier, destination, computed] : segues) {
        ui::StoryboardSegue segue(identifier, source, destination);
        EXPECT_EQ(handOverWorkedSolution(segue, own, systemModel({2, 3, 5, 1, -1, 0}, Duolinear_method::elimination)),
                  computed);
    }
    EXPECT_TRUE(steps->detailSteps().empty());
    EXPECT_TRUE(dynamic_cast<UniversalEngineVC&>(*container->topViewController()).detailSteps().empty());
}

}  // namespace
}  // namespace duolinear::screen_tests

// The practice screens end to end: a face brings a generated problem of its
// level and the screen's method, options leave the problem alone, and "🤔"
// works the problem on display; a generator that gives up changes nothing.

#include "ScreenTestSupport.h"
#include "screens/OptionChoices.h"
#include "screens/PracticeScreen.h"
#include "solver/PracticeProblem.h"
#include "support/NearRect.h"

namespace duolinear::screen_tests {
namespace {

// Every integer outside the asked range: the generator gives up at once.
class BrokenRandom final : public RandomSource {
public:
    std::int64_t uniformInt(std::int64_t low, std::int64_t high) override { return std::max(low, high) + 1; }
    bool fairBool() override { return false; }
    std::size_t uniformIndex(std::size_t) override { return 0; }
};

constexpr long long kFirstFace = 5121;
constexpr long long kExampleRow = 6145;

TEST(PracticeScreens, PickedLevelBringsAProblemThatThinkingHandsOver) {
    struct Case {
        std::string menu;
        Duolinear_method method;
        long long faces, level;
        std::vector<std::string> choices;
    };
    const Case cases[] = {
        {"Addition", Duolinear_method::addition, 4, 3, {"O4098"}},
        {"Elimination", Duolinear_method::elimination, 4, 1, {"O4098", "O4162", "O4226"}},
        {"Substitution", Duolinear_method::substitution, 5, 4, {"O4162"}},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        RunningApp app(folder.preferences());
        // The first problem is one of the easiest level.
        SystemRandomSource first(c.faces), firstTwin(c.faces);
        {
            testing::ScopedDefaultRandom installed(first);
            ASSERT_TRUE(app.tap({c.menu, "Practice"}));
        }
        auto* screen = app.top<DuolinearPracticeScreen>();
        ASSERT_NE(screen, nullptr) << c.menu;
        EXPECT_EQ(screen->thePadView().inputs(), generatePracticeProblem(0, c.method, firstTwin)->inputs) << c.menu;
        // The keypad fills the part no bar covers, less a margin of 5 points.
        app.window().layoutIfNeeded();
        EXPECT_TRUE(testing::nearRect(screen->thePadView().frameInRoot(),
                                      ui::EdgeInsets{5, 5, 5, 5}.inset(safeAreaInRoot(*screen->view()))));
        EXPECT_EQ(screen->theSegue(), "Duolinear_" + c.menu + "_Practice_Segue");
        const char* faces[] = {"😀", "🙂", "😐", "🙁", "☹️"};
        for (long long f = 0; f < c.faces; ++f) EXPECT_EQ(app.text(kFirstFace + f), faces[f]) << c.menu;
        EXPECT_EQ(app.text(kFirstFace + c.faces), "<none>") << c.menu;
        EXPECT_EQ(app.green({kFirstFace, kFirstFace + 1}), std::vector<long long>{kFirstFace});
        EXPECT_NE(app.text(kExampleRow), "") << c.menu;
        EXPECT_EQ(dynamic_cast<const ui::Label&>(*screen->thePadView().infoView().subviews().at(0)).text(),
                  "🤔 for steps");

        SystemRandomSource drawn(c.level), twin(c.level);
        {
            testing::ScopedDefaultRandom installed(drawn);
            ASSERT_TRUE(app.tap({"L" + std::to_string(kFirstFace + c.level)}));
        }
        const std::optional<PracticeProblem> problem = generatePracticeProblem(c.level, c.method, twin);
        ASSERT_TRUE(problem.has_value());
        EXPECT_EQ(screen->thePadView().inputs(), problem->inputs) << c.menu;
        ASSERT_TRUE(app.tap(c.choices));
        EXPECT_EQ(app.text(kExampleRow), problem->examples.at(0)) << c.menu;
        ASSERT_TRUE(app.think());

        std::vector<std::int64_t> k;
        for (const auto& group : problem->inputs) {
            for (const std::string& text : group.at(0)) k.push_back(std::stoll(text));
        }
        DuolinearModel expected = systemModel(k, c.method);
        for (const std::string& choice : c.choices) {
            if (choice == "O4098") expected.variable = Duolinear_variable::y;
            if (choice == "O4162") expected.equation = Duolinear_equation::second;
            if (choice == "O4226") expected.use_LCM = Duolinear_LCM::smart;
        }
        EXPECT_EQ(describe(screen->theModel()), describe(expected));
        ASSERT_NE(app.top<UniversalEngineVC>(), nullptr) << c.menu;
        EXPECT_TRUE(holdsSolutionOf(*app.top<UniversalEngineVC>(), expected)) << c.menu;
        ui::UserDefaults stored(folder.preferences());
        EXPECT_EQ(stored.integerForKey(kEquationPreferenceKey), expected.equation == Duolinear_equation::second);
        EXPECT_EQ(stored.integerForKey(kLCMPreferenceKey), expected.use_LCM == Duolinear_LCM::smart);
    }
}

TEST(PracticeScreens, AGeneratorThatGivesUpLeavesTheProblemOnDisplay) {
    TempFolder folder;
    RunningApp app(folder.preferences());
    ASSERT_TRUE(app.tap({"Elimination", "Practice"}));
    auto* screen = app.top<DuolinearPracticeScreen>();
    const std::string question = app.text(kExampleRow);
    const ElementGroups inputs = screen->thePadView().inputs();
    BrokenRandom broken;
    {
        testing::ScopedDefaultRandom installed(broken);
        ::testing::internal::CaptureStderr();
        ASSERT_TRUE(app.tap({"L5122"}));
        EXPECT_NE(
            ::testing::internal::GetCapturedStderr().find("no elimination practice problem of level 1 could be drawn"),
            std::string::npos);
    }
    EXPECT_EQ(app.text(kExampleRow), question);
    EXPECT_EQ(screen->thePadView().inputs(), inputs);
    ASSERT_TRUE(app.tap({"🤔"}));
    EXPECT_NE(app.top<UniversalEngineVC>(), nullptr);

    app.host().back();
    app.host().back();

    // A screen whose first problem never came shows none and goes nowhere.
    {
        testing::ScopedDefaultRandom installed(broken);
        ::testing::internal::CaptureStderr();
        ASSERT_TRUE(app.tap({"Practice"}));
        ::testing::internal::GetCapturedStderr();
    }
    ASSERT_TRUE(app.tap({"🤔"}));
    EXPECT_EQ(app.text(kExampleRow), "");
    EXPECT_NE(app.top<DuolinearPracticeScreen>(), nullptr);
}

}  // namespace
}  // namespace duolinear::screen_tests

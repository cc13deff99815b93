#pragma once
// The app as the learner meets it, for end-to-end tests: the storyboard from
// the build's resources, the registered screens, a preferences file of the
// test's own, and a phone-sized window worked by the headless host.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unistd.h>

#include "algebra/RandomSource.h"
#include "platform/host/HeadlessHost.h"
#include "platform/ui/Application.h"
#include "platform/ui/Bundle.h"
#include "platform/ui/Device.h"
#include "platform/ui/Label.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/Screen.h"
#include "platform/ui/UserDefaults.h"
#include "renderer/UniversalEngineVC.h"
#include "screens/AppDelegate.h"
#include "screens/ScreenClasses.h"
#include "solver/DuolinearModel.h"
#include "support/ScriptedRandom.h"

namespace duolinear::screen_tests {

namespace fs = std::filesystem;

// A folder of the test's own, removed afterwards.
struct TempFolder {
    fs::path path = fs::temp_directory_path() / ("duolinear-screens-" + std::to_string(::getpid()) + "-" +
                                                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
    TempFolder() { fs::create_directories(path); }
    ~TempFolder() { fs::remove_all(path); }
    fs::path preferences() const { return path / "preferences.json"; }
};

// Worked solutions draw (the side a term is collected on): "🤔" in the app
// and the expected solution draw from this one seed.
inline constexpr std::uint64_t kSolutionSeed = 14;

class RunningApp {
public:
    // Launched on the preferences file, as the command line does.
    explicit RunningApp(const fs::path& preferences) {
        registerScreenClasses();
        ui::Screen::main().setBounds(gfx::Rect::make(0, 0, 390, 844));
        ui::Device::current().setModel("iPhone");
        ui::UserDefaults::setStandardFile(preferences);
        std::string error;
        const auto storyboard = ui::Bundle::main().urlForResource("Main.storyboard", "json");
        const bool launched = storyboard && application_.launch(*storyboard, error);
        if (!launched) throw std::runtime_error("no storyboard among the resources, or: " + error);
        host_ = std::make_unique<host::HeadlessHost>(*application_.window(), 1.0);
    }

    host::HeadlessHost& host() { return *host_; }
    ui::Window& window() { return *application_.window(); }

    // Taps the shown buttons with these titles in turn; false at the first
    // that is not shown.
    bool tap(const std::vector<std::string>& titles) {
        for (const std::string& title : titles) {
            const host::Outcome outcome = host_->tapButton(title);
            if (!outcome.ok) return (ADD_FAILURE() << outcome.message), false;
        }
        return true;
    }
    // "🤔", its solution drawn from kSolutionSeed.
    bool think() {
        SystemRandomSource random(kSolutionSeed);
        testing::ScopedDefaultRandom installed(random);
        return tap({"🤔"});
    }
    // The screen on top, or the one `down` below it.
    template <class Screen>
    Screen* top(std::size_t down = 0) {
        const auto& stack = navigation().viewControllers();
        return stack.size() <= down ? nullptr : dynamic_cast<Screen*>(stack[stack.size() - 1 - down].get());
    }
    ui::NavigationController& navigation() {
        return dynamic_cast<ui::NavigationController&>(*window().rootViewController());
    }

    std::string text(long long tag) {
        auto* label = dynamic_cast<ui::Label*>(window().viewWithTag(tag));
        return label != nullptr ? label->text() : "<none>";
    }
    // The tags among these whose labels are shown selected (green).
    std::vector<long long> green(const std::vector<long long>& tags) {
        std::vector<long long> found;
        for (long long tag : tags) {
            auto* label = dynamic_cast<ui::Label*>(window().viewWithTag(tag));
            if (label != nullptr && label->backgroundColor() == gfx::Color::green()) found.push_back(tag);
        }
        return found;
    }
    // A tap low in the step view, right of the middle: the next step.
    void nextStep(UniversalEngineVC& steps) {
        const gfx::Rect frame = steps.universalEngineView()->frameInRoot();
        host_->tap({frame.minX() + 0.75 * frame.width(), frame.maxY() - 5});
    }

private:
    ui::Application application_{std::make_shared<AppDelegate>()};
    std::unique_ptr<host::HeadlessHost> host_;
};

// The part of a view that no bar covers, in window coordinates.
inline gfx::Rect safeAreaInRoot(const ui::View& view) {
    return view.safeAreaInsets().inset(view.frameInRoot());
}

// The option labels: O4097/O4098 variable, O4161/O4162 equation, O4225/O4226
// multipliers.
inline const std::vector<long long> kOptionTags = {4097, 4098, 4161, 4162, 4225, 4226};

inline DuolinearModel systemModel(std::vector<std::int64_t> k, Duolinear_method method) {
    DuolinearModel model{{Rational{k[0], 1}, Rational{k[1], 1}},
                         {Rational{k[2], 1}},
                         {Rational{k[3], 1}, Rational{k[4], 1}},
                         {Rational{k[5], 1}}};
    model.method = method;
    return model;
}

// "2/1 3/1 = 5/1 ; 1/1 -1/1 = 0/1 ; x first LCM addition"
inline std::string describe(const DuolinearModel& m) {
    std::string text;
    for (const auto* list : {&m.coeffs_L_0, &m.coeffs_R_0, &m.coeffs_L_1, &m.coeffs_R_1}) {
        for (const Rational& r : *list) text += std::to_string(r.numerator) + "/" + std::to_string(r.denominator) + " ";
        text += list == &m.coeffs_L_0 || list == &m.coeffs_L_1 ? "= " : "; ";
    }
    return text + rawValue(m.variable) + " " + rawValue(m.equation) + " " + rawValue(m.use_LCM) + " " +
           rawValue(m.method);
}

// Whether the step screen holds exactly the model's worked solution.
inline bool holdsSolutionOf(const UniversalEngineVC& steps, const DuolinearModel& model) {
    SystemRandomSource random(kSolutionSeed);
    testing::ScopedDefaultRandom installed(random);
    const WorkedSolution expected = model.workedSolution();
    return steps.detailSteps() == expected.steps && steps.detailComments() == expected.comments &&
           steps.detailParameters() == expected.parameters;
}

}  // namespace duolinear::screen_tests

// The app run as its command line starts it, headless from a script.

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <sys/wait.h>

#include "ScreenTestSupport.h"
#include "platform/host/ApplicationMain.h"
#include "platform/ui/UserDefaults.h"
#include "support/LeakCheck.h"
#include "support/Pixels.h"
#include "support/TestOutput.h"

namespace duolinear::screen_tests {
namespace {

TEST(App, RunsEveryScreenFromAScriptAndStoresNothingUnasked) {
    registerScreenClasses();
    TempFolder folder;
    host::Options options;
    options.headless = true;
    options.preferencesFile = folder.preferences();
    options.scriptFile = folder.path / "script.txt";
    const fs::path shot = gfx::testing::outputPath("screens-app-start.png");
    std::ofstream script(options.scriptFile);
    script << "screenshot " << shot.string() << "\n";
    for (const char* method : {"Addition", "Elimination", "Substitution"}) {
        script << "tap-button " << method << "\n";
        for (const char* screen : {"Enter a system", "Practice", "Guide"}) {
            script << "tap-button " << screen << "\nback\n";
        }
        script << "back\n";
    }
    script.close();
    ASSERT_EQ(host::runApplication(options, [] { return std::make_shared<AppDelegate>(); }), 0);
    EXPECT_FALSE(fs::exists(folder.preferences())) << "launching, leaving screens and ending store nothing";
    EXPECT_GT(fs::file_size(shot), 5000u) << "a blank screenshot";
}

// Preferences that cannot be saved (a file of the kernel's): a press of "🤔"
// stores three choices, and says in one line that they could not be saved.
TEST(App, ChoicesThatCannotBeSavedAreSaidSoOnce) {
    registerScreenClasses();
    TempFolder folder;
    host::Options options;
    options.headless = true;
    options.preferencesFile = "/proc/version";
    options.scriptFile = folder.path / "script.txt";
    std::ofstream(options.scriptFile) << "tap-button Addition\ntap-button Enter a system\ntap-button 🤔\n";
    ::testing::internal::CaptureStderr();
    const int status = host::runApplication(options, [] { return std::make_shared<AppDelegate>(); });
    const std::string said = ::testing::internal::GetCapturedStderr();
    ui::UserDefaults::setStandardFile(folder.preferences());
    EXPECT_EQ(status, 0) << said;
    const std::string cannotSave = "cannot save the preferences to /proc/version";
    const std::size_t first = said.find(cannotSave);
    EXPECT_NE(first, std::string::npos) << said;
    EXPECT_EQ(said.find(cannotSave, first + 1), std::string::npos) << said;
}

// Runs a shell command that starts the app, its error output sent to a
// file: the exit status (-1 when it did not exit) and what it wrote there.
struct Ended {
    int status = -1;
    std::string errors;
};

Ended runApp(const std::string& command, const fs::path& errors) {
    const int status = std::system((command + " 2> '" + errors.string() + "'").c_str());
    std::ifstream in(errors);
    std::stringstream text;
    text << in.rdbuf();
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text.str()};
}

// The app's own binary with no display to show its window on: it says so in
// one line that points to --headless and ends, instead of running unseen.
TEST(App, WithoutADisplaySaysSoInOneLineAndEnds) {
    const fs::path app = fs::read_symlink("/proc/self/exe").parent_path() / "duolinear";
    ASSERT_TRUE(fs::exists(app)) << app << " is built with the tests";
    TempFolder folder;
    const fs::path errors = folder.path / "stderr.txt";
    // SDL's video start keeps allocations for the life of the process (see
    // the window test of the host), so the leak checker stays off here.
    const std::string noDisplay = "env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER";
    const std::pair<std::string, std::string> runs[] = {
        {noDisplay, "duolinear: no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set)"},
        {noDisplay + " SDL_VIDEODRIVER=offscreen",
         "duolinear: no display to open a window on (only the off-screen video driver \"offscreen\")"},
        {noDisplay + " SDL_VIDEODRIVER=none-such", "duolinear: cannot open a display: none-such not available"},
        // A Wayland display named but not there: SDL falls back to drawing off-screen.
        {noDisplay + " WAYLAND_DISPLAY=/nonexistent/none-such",
         "duolinear: no display to open a window on (only the off-screen video driver \"offscreen\")"},
    };
    for (const auto& [environment, said] : runs) {
        const std::string command = environment + " " + duolinear::testing::kLeakCheckOff + " timeout 60 '" +
                                    app.string() + "' --preferences '" + folder.preferences().string() + "'";
        const Ended ended = runApp(command, errors);
        EXPECT_EQ(ended.status, 1) << command << " (124: it did not end)";
        std::istringstream in(ended.errors);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        ASSERT_EQ(lines.size(), 1u) << command;
        EXPECT_THAT(lines[0], ::testing::StartsWith(said));
        EXPECT_THAT(lines[0], ::testing::HasSubstr("--headless"));
    }
}

// A copy of the binary with no resources folder beside it, and one pointed
// at an empty folder: each says in one line where it looked.
TEST(App, WithoutItsResourcesSaysWhereItLookedAndEnds) {
    TempFolder folder;
    const fs::path app = folder.path / "duolinear";
    fs::copy_file(fs::read_symlink("/proc/self/exe").parent_path() / "duolinear", app);
    const fs::path empty = folder.path / "empty";
    fs::create_directories(empty);
    const fs::path errors = folder.path / "stderr.txt";
    const fs::path script = folder.path / "script.txt";
    std::ofstream(script) << "back\n";
    const std::pair<std::string, std::string> runs[] = {
        {"env -u DUOLINEAR_RESOURCES", "(no resources folder was found)"},
        {"env DUOLINEAR_RESOURCES='" + empty.string() + "'", "(not in " + empty.string() + ")"},
    };
    for (const auto& [environment, said] : runs) {
        const std::string command = environment + " timeout 60 '" + app.string() + "' --headless --script '" +
                                    script.string() + "' --preferences '" + folder.preferences().string() + "'";
        const Ended ended = runApp(command, errors);
        EXPECT_EQ(ended.status, 1) << command;
        EXPECT_EQ(ended.errors, "duolinear: cannot find the storyboard Main.storyboard.json " + said + "\n") << command;
    }
}

}  // namespace
}  // namespace duolinear::screen_tests

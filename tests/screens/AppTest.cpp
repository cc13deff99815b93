// The app run as its command line starts it, headless from a script.

#include <fstream>

#include "ScreenTestSupport.h"
#include "platform/host/ApplicationMain.h"
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

}  // namespace
}  // namespace duolinear::screen_tests

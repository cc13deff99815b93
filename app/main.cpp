// The process entry: registers the scene classes of the storyboard, then
// hands over to the platform with the app's name, which leads its warnings,
// titles its window and names its preferences and resources folders. The
// platform reads the command line, loads the storyboard and runs the app in a
// window (or headless from a script).

#include <memory>

#include "platform/host/ApplicationMain.h"
#include "screens/AppDelegate.h"
#include "screens/ScreenClasses.h"

int main(int argc, char** argv) {
    duolinear::registerScreenClasses();
    return ui::applicationMain(argc, argv, "duolinear", [] { return std::make_shared<duolinear::AppDelegate>(); });
}

// The process entry: registers the scene classes of the storyboard, then
// hands over to the platform, which reads the command line, loads the
// storyboard and runs the app in a window (or headless from a script).

#include <memory>

#include "platform/host/ApplicationMain.h"
#include "platform/ui/Warnings.h"
#include "screens/AppDelegate.h"
#include "screens/ScreenClasses.h"

int main(int argc, char** argv) {
    duolinear::registerScreenClasses();
    ui::setApplicationName("duolinear");
    return ui::applicationMain(argc, argv, [] { return std::make_shared<duolinear::AppDelegate>(); });
}

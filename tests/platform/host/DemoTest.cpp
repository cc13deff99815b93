// The demo app run end to end: headless from a script, and in a real window
// on a virtual X display.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <SDL.h>
#include <cairo.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "DemoScene.h"
#include "ShownPixels.h"
#include "platform/host/ApplicationMain.h"
#include "platform/host/HeadlessHost.h"
#include "platform/host/WindowHost.h"
#include "platform/ui/Application.h"
#include "platform/ui/Device.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/Screen.h"
#include "platform/ui/UserDefaults.h"
#include "platform/ui/Window.h"
#include "support/LeakCheck.h"
#include "support/Pixels.h"
#include "support/TestOutput.h"

namespace host {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

class Delegate : public ui::ApplicationDelegate {
public:
    bool didFinishLaunching(ui::Application&) override {
        ++launched;
        return agrees;
    }
    void didBecomeActive(ui::Application&) override { ++active; }
    void willTerminate(ui::Application&) override { ++terminated; }
    bool agrees = true;  // to the launch
    int launched = 0;
    int active = 0;
    int terminated = 0;
};

class DemoTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("duolinear-demo-" + std::to_string(::getpid()));
        options_.storyboardFile = testing::writeDemoStoryboard(folder_);
        options_.preferencesFile = folder_ / "preferences.json";
        options_.headless = true;
        options_.scale = 2.0;
    }
    void TearDown() override { fs::remove_all(folder_); }

    int run(const std::string& script) {
        options_.scriptFile = folder_ / "script.txt";
        std::ofstream(options_.scriptFile) << script;
        return runApplication(options_, [this] { return delegate_; });
    }

    fs::path folder_;
    Options options_;
    std::shared_ptr<Delegate> delegate_ = std::make_shared<Delegate>();
};

ui::NavigationController& navigationOf(const Delegate& delegate) {
    return dynamic_cast<ui::NavigationController&>(*delegate.window->rootViewController());
}

TEST_F(DemoTest, RunsHeadlessFromAScript) {
    const fs::path menu = gfx::testing::outputPath("host-demo-menu.png");
    const fs::path counter = gfx::testing::outputPath("host-demo-counter.png");
    fs::remove(menu);
    fs::remove(counter);
    const int status = run("screenshot " + menu.string() +
                           "\n"
                           "tap-button Open counter\n"
                           "tap-button Add one\n"
                           "tap-button Add one\n"
                           "tap-button Reset\n"
                           "tap-button Add one\n"
                           "screenshot " +
                           counter.string() +
                           "\n"
                           "back\n"
                           "tap-button Open counter\n");
    ASSERT_EQ(status, 0);
    EXPECT_EQ(delegate_->launched, 1);
    EXPECT_EQ(delegate_->active, 1);
    EXPECT_EQ(delegate_->terminated, 1);
    EXPECT_EQ(ui::Device::current().model(), "iPhone");
    EXPECT_EQ(delegate_->window->bounds().size, (gfx::Size{390, 844}));
    EXPECT_EQ(ui::Screen::main().scale(), 2.0);  // the screenshots' scale
    // The delegate hears of the end once, however often it is asked for.
    {
        ui::Application again(delegate_);
        again.terminate();
        again.terminate();
    }
    EXPECT_EQ(delegate_->terminated, 2);
    EXPECT_EQ(ui::Application::shared(), nullptr);  // none left once it is gone
    // A delegate that leaves the launch alone lets it go on.
    struct Plain : ui::ApplicationDelegate {};
    EXPECT_EQ(runApplication(options_, [] { return std::make_shared<Plain>(); }), 0);
    EXPECT_EQ(ui::UserDefaults::standardFile(), options_.preferencesFile);

    // Back at the menu and into a new counter screen.
    ui::NavigationController& navigation = navigationOf(*delegate_);
    ASSERT_EQ(navigation.viewControllers().size(), 2u);
    EXPECT_EQ(dynamic_cast<testing::CounterScreen&>(*navigation.topViewController()).count(), 0);

    EXPECT_GT(gfx::testing::inkedShareOfPng(menu.string()), 0.002);  // the texts on light grey
    EXPECT_GT(gfx::testing::inkedShareOfPng(counter.string()), 0.05);
}

TEST_F(DemoTest, StopsWithAClearMessageAtAnActionItCannotDo) {
    struct Case {
        const char* script;
        const char* message;
    };
    // Actions that fail and lines that cannot be read are named alike: the
    // script file, its line, what went wrong.
    const Case cases[] = {
        {"tap-button Open counter\ntap-button Subtract\n",
         ", line 2: no button titled \"Subtract\" is shown (the buttons shown: \"Add one\", \"‹ Back\", "
         "\"Reset\")\n"},
        {"back\n", ", line 1: there is no back button to go back with\n"},
        {"\ntap 400 10\n", ", line 2: the point (400, 10) is outside the window (390 x 844 points)\n"},
        {"tap-button Open counter\ntap-button Open counter\n", ", line 2: no button titled \"Open counter\" is shown"},
        {"screenshot /proc/forbidden/x.png\n", ", line 1: cannot write the screenshot"},
    };
    for (const Case& c : cases) {
        delegate_ = std::make_shared<Delegate>();
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(run(c.script), 1) << c.script;
        EXPECT_THAT(::testing::internal::GetCapturedStderr(),
                    HasSubstr(": " + (folder_ / "script.txt").string() + c.message));
        EXPECT_EQ(delegate_->terminated, 1);
    }
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(run("back\ntap 10\n"), 1);
    EXPECT_THAT(::testing::internal::GetCapturedStderr(),
                HasSubstr(": " + (folder_ / "script.txt").string() + ", line 2: tap takes two numbers"));
    // A title that is long and holds control characters shows once, cut
    // short, its control characters escaped.
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(run("tap-button \x1b]0;owned\a" + std::string(3000, 'T') + "\n"), 1);
    const std::string said = ::testing::internal::GetCapturedStderr();
    const std::string shown = "\\e]0;owned\\a" + std::string(70, 'T') + "\u2026";
    EXPECT_THAT(said, HasSubstr(", line 1: no button titled \"" + shown + "\" is shown"));
    EXPECT_EQ(said.find(shown), said.rfind(shown)) << said;
    EXPECT_LT(said.size(), 300u);
    EXPECT_EQ(said.find('\x1b'), std::string::npos);

    // A script that cannot be read is a failure, never an empty run.
    struct Unreadable {
        fs::path script;
        const char* reason;
    };
    std::vector<Unreadable> unreadable{{folder_, "Is a directory"}, {folder_ / "missing.txt", "No such file"}};
    const fs::path locked = folder_ / "locked.txt";
    std::ofstream(locked) << "back\n";
    fs::permissions(locked, fs::perms::none);
    if (::geteuid() != 0) unreadable.push_back({locked, "Permission denied"});  // root reads any file
    for (const Unreadable& u : unreadable) {
        options_.scriptFile = u.script;
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(runApplication(options_, [this] { return delegate_; }), 1) << u.script;
        EXPECT_THAT(::testing::internal::GetCapturedStderr(),
                    HasSubstr("cannot read the script " + u.script.string() + ": " + u.reason));
    }

    delegate_->agrees = false;
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(run(""), 1);
    EXPECT_THAT(::testing::internal::GetCapturedStderr(), HasSubstr("the application delegate stopped the launch"));

    ::testing::internal::CaptureStderr();
    options_.storyboardFile = folder_ / "missing.json";
    EXPECT_EQ(run(""), 1);
    EXPECT_THAT(::testing::internal::GetCapturedStderr(), HasSubstr("cannot read the storyboard"));

    // Nor is one whose first scene cannot be made.
    delegate_->agrees = true;
    options_.storyboardFile = folder_ / "unmade.json";
    std::ofstream(options_.storyboardFile) << R"({"initialScene": "a", "scenes": [{"id": "a", "class": "No.Such"}]})";
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(run(""), 1);
    EXPECT_THAT(::testing::internal::GetCapturedStderr(),
                HasSubstr("the storyboard's initial scene \"a\" could not be made"));
}

TEST_F(DemoTest, CoveredButtonIsNotTapped) {
    auto window = std::make_shared<ui::Window>(gfx::Rect::make(0, 0, 200, 200));
    auto key = std::make_shared<ui::Button>();
    key->setTitle("7");
    key->setFrame(gfx::Rect::make(0, 0, 100, 100));
    window->addSubview(key);
    auto cover = std::make_shared<ui::View>(gfx::Rect::make(0, 0, 200, 200));
    window->addSubview(cover);
    HeadlessHost headless(*window, 1.0);
    const Outcome outcome = headless.tapButton("7");
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.message, "the button titled \"7\" is covered by View");
    cover->setHidden(true);
    EXPECT_TRUE(headless.tapButton("7").ok);
}

// A script names a button by the text a user reads: blanks at the ends of
// either title do not count, though an exact match is taken first. When no
// title matches, the titles shown are listed.
TEST_F(DemoTest, ButtonsAreFoundByTheTextShown) {
    auto window = std::make_shared<ui::Window>(gfx::Rect::make(0, 0, 300, 100));
    auto add = [&](const char* title, double x) {
        auto button = std::make_shared<ui::Button>();
        button->setTitle(title);
        button->setFrame(gfx::Rect::make(x, 0, 40, 40));
        window->addSubview(button);
        return button;
    };
    const auto intro = add("intro ", 0);
    add("method ", 50);
    const auto padded = add(" 7", 100);
    const auto seven = add("7", 150);  // in front of " 7"
    add("intro ", 200)->setHidden(true);
    const auto method = add("method ", 250);                // shown twice, listed once; the front one is taken
    add("", 50)->setFrame(gfx::Rect::make(0, 50, 40, 40));  // no title to list
    WindowDriver driver(*window);
    struct Case {
        const char* title;
        const ui::Button* found;
    };
    const Case cases[] = {{"method", method.get()}, {" intro\t", intro.get()}, {"intro ", intro.get()},
                          {"7", seven.get()},       {" 7", padded.get()},      {"7 ", seven.get()},
                          {"Method", nullptr},      {"  ", nullptr},           {"meth od", nullptr}};
    for (const Case& c : cases) {
        std::string why;
        EXPECT_EQ(driver.findButton(c.title, why), c.found) << c.title;
        if (c.found == nullptr) {
            EXPECT_EQ(why, "no button titled \"" + echoText(c.title) +
                               "\" is shown (the buttons shown: \"intro \", \"method \", \" 7\", \"7\")");
        }
    }
    // At most thirty titles are listed, in the order the buttons stand; an
    // ellipsis stands for the others.
    for (const int shown : {30, 31}) {
        auto many = std::make_shared<ui::Window>(gfx::Rect::make(0, 0, 400, 400));
        std::string listed;
        for (int i = 1; i <= shown; ++i) {
            auto button = std::make_shared<ui::Button>();
            button->setTitle("b" + std::to_string(i));
            button->setFrame(gfx::Rect::make(20.0 * (i % 10), 20.0 * (i / 10), 20, 20));
            many->addSubview(button);
            if (i <= 30) listed += (i == 1 ? "\"b" : ", \"b") + std::to_string(i) + "\"";
        }
        EXPECT_EQ(HeadlessHost(*many, 1.0).tapButton("OK").message,
                  "no button titled \"OK\" is shown (the buttons shown: " + listed + (shown > 30 ? ", \u2026)" : ")"));
    }
    // With no titled button shown, it says so.
    auto empty = std::make_shared<ui::Window>(gfx::Rect::make(0, 0, 100, 100));
    EXPECT_EQ(HeadlessHost(*empty, 1.0).tapButton("OK").message,
              "no button titled \"OK\" is shown (no button is shown)");
}

TEST_F(DemoTest, AScreenshotIsTheFrameDrawnBeforeIt) {
    struct CountingView : ui::View {
        using View::View;
        void draw(gfx::Rect) override { ++draws; }
        int draws = 0;
    };
    auto window = std::make_shared<ui::Window>(gfx::Rect::make(0, 0, 40, 40));
    auto view = std::make_shared<CountingView>(gfx::Rect::make(0, 0, 40, 40));
    window->addSubview(view);
    HeadlessHost headless(*window, 1.0);
    const fs::path shot = folder_ / "frame.png";
    const ScriptAction screenshot{ScriptAction::Kind::screenshot, {}, shot.string(), 1};
    ASSERT_TRUE(headless.run({screenshot, screenshot}).ok);
    EXPECT_EQ(view->draws, 2);  // one frame per action, none again for the picture
    EXPECT_TRUE(fs::exists(shot));
}

TEST_F(DemoTest, TabletDeviceSetsScreenAndModel) {
    options_.device = DeviceKind::tablet;
    ASSERT_EQ(run("tap-button Open counter\n"), 0);
    EXPECT_EQ(ui::Screen::main().bounds().size, (gfx::Size{820, 1180}));
    EXPECT_EQ(ui::Device::current().model(), "iPad");
    EXPECT_EQ(delegate_->window->bounds().size, (gfx::Size{820, 1180}));
    options_.device = DeviceKind::phone;
    ASSERT_EQ(run(""), 0);  // and back, for the other tests
}

// In a real window: run here when this process is the one started on a
// virtual display, else start this test again under xvfb-run.
TEST_F(DemoTest, RunsInARealWindow) {
    const fs::path shot = gfx::testing::outputPath("host-window/demo.png");
    const char* child = std::getenv("DUOLINEAR_WINDOW_TEST_CHILD");
    if (child != nullptr && std::string(child) == "failing") {
        // A script action the window cannot carry out ends the program with
        // status 1, before the actions after it. This process never named
        // the application, so its warnings are led by "app".
        options_.headless = false;
        const fs::path never = folder_ / "never.png";
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(run("tap-button Subtract\nscreenshot " + never.string() + "\n"), 1);
        EXPECT_EQ(::testing::internal::GetCapturedStderr(),
                  "app: " + options_.scriptFile.string() +
                      ", line 1: no button titled \"Subtract\" is shown (the buttons shown: \"Open counter\")\n");
        EXPECT_FALSE(fs::exists(never));
        return;
    }
    if (child != nullptr) {
        options_.headless = false;
        fs::remove_all(shot.parent_path());  // the window makes the screenshot's folder
        ASSERT_EQ(run("tap-button Open counter\ntap-button Add one\nscreenshot " + shot.string() + "\n"), 0);
        EXPECT_EQ(dynamic_cast<testing::CounterScreen&>(*navigationOf(*delegate_).topViewController()).count(), 1);
        // The phone is fitted to the small display, and the screen reports
        // the pixels per point the window really has.
        cairo_surface_t* png = cairo_image_surface_create_from_png(shot.c_str());
        const int pixels = cairo_image_surface_get_width(png);
        cairo_surface_destroy(png);
        EXPECT_LT(ui::Screen::main().scale(), 1.0);
        EXPECT_NEAR(ui::Screen::main().scale() * delegate_->window->bounds().width(), pixels, 1.0);
        // The window's end shuts SDL down.
        EXPECT_EQ(SDL_WasInit(0), 0u);
        return;
    }
    if (std::system("command -v xvfb-run > /dev/null 2>&1") != 0) {
        GTEST_SKIP() << "xvfb-run is not installed";
    }
    fs::remove(shot);
    const std::string self = fs::read_symlink("/proc/self/exe").string();
    // The leak checker stays off in the window process: the D-Bus library that
    // SDL's video starts keeps allocations for the life of the process, with
    // stacks the checker cannot attribute. The same app is leak-checked
    // headless above.
    for (const char* kind : {"working", "failing"}) {
        const std::string command = std::string("DUOLINEAR_WINDOW_TEST_CHILD=") + kind + " " +
                                    duolinear::testing::kLeakCheckOff + " xvfb-run -a -s '-screen 0 640x480x24' '" +
                                    self + "' --gtest_filter=DemoTest.RunsInARealWindow --gtest_brief=1";
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command;
    }
    // The window shows what the app draws: the same screen drawn headless at
    // the window's pixels per point inks as much.
    cairo_surface_t* png = cairo_image_surface_create_from_png(shot.c_str());
    options_.scale = cairo_image_surface_get_width(png) / 390.0;
    cairo_surface_destroy(png);
    const fs::path headlessShot = folder_ / "headless.png";
    ASSERT_EQ(run("tap-button Open counter\ntap-button Add one\nscreenshot " + headlessShot.string() + "\n"), 0);
    const double inked = gfx::testing::inkedShareOfPng(headlessShot.string());
    EXPECT_GT(inked, 0.05);
    EXPECT_NEAR(gfx::testing::inkedShareOfPng(shot.string()), inked, 0.01);
}

// With DISPLAY naming a display where no X server answers, the app says in
// one line which display it could not open and how to run without one, and
// nothing about other kinds of display it did not ask for.
TEST_F(DemoTest, SaysWhichDisplayItCannotOpen) {
    if (std::getenv("DUOLINEAR_WINDOW_TEST_CHILD") != nullptr) {
        options_.headless = false;
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(run(""), 1);
        EXPECT_EQ(::testing::internal::GetCapturedStderr(),
                  "app: cannot open the X display \"" + std::string(std::getenv("DISPLAY")) +
                      "\" (from DISPLAY); --script FILE --headless runs the app without a display\n");
        // X was tried alone for that start only: a later start in this
        // process (with a Wayland display named, say) chooses afresh.
        EXPECT_EQ(SDL_GetHint(SDL_HINT_VIDEODRIVER), nullptr);
        return;
    }
    int display = 1099;  // clear of the displays that xvfb-run -a takes, from 99 on
    while (fs::exists("/tmp/.X11-unix/X" + std::to_string(display))) ++display;
    const std::string command =
        "env -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER -u XDG_RUNTIME_DIR DISPLAY=:" + std::to_string(display) +
        " DUOLINEAR_WINDOW_TEST_CHILD=nodisplay " + duolinear::testing::kLeakCheckOff + " '" +
        fs::read_symlink("/proc/self/exe").string() +
        "' --gtest_filter=DemoTest.SaysWhichDisplayItCannotOpen --gtest_brief=1";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command;
}

// The share of the pixels of two pictures that differ clearly in a
// component; 1 when their sizes differ or either cannot be read.
double differingShare(const fs::path& first, const fs::path& second) {
    cairo_surface_t* a = cairo_image_surface_create_from_png(first.c_str());
    cairo_surface_t* b = cairo_image_surface_create_from_png(second.c_str());
    const int width = cairo_image_surface_get_width(a);
    const int height = cairo_image_surface_get_height(a);
    double share = 1.0;
    if (cairo_surface_status(a) == CAIRO_STATUS_SUCCESS && cairo_surface_status(b) == CAIRO_STATUS_SUCCESS &&
        width > 0 && height > 0 && width == cairo_image_surface_get_width(b) &&
        height == cairo_image_surface_get_height(b)) {
        cairo_surface_flush(a);
        cairo_surface_flush(b);
        long differing = 0;
        for (int y = 0; y < height; ++y) {
            const unsigned char* rowA = cairo_image_surface_get_data(a) + y * cairo_image_surface_get_stride(a);
            const unsigned char* rowB = cairo_image_surface_get_data(b) + y * cairo_image_surface_get_stride(b);
            for (int x = 0; x < 4 * width; x += 4) {
                bool differs = false;
                for (int c = 0; c < 4; ++c) differs = differs || std::abs(rowA[x + c] - rowB[x + c]) > 40;
                differing += differs ? 1 : 0;
            }
        }
        share = static_cast<double>(differing) / (static_cast<double>(width) * height);
    }
    cairo_surface_destroy(a);
    cairo_surface_destroy(b);
    return share;
}

// A window made larger is drawn afresh at its new pixels per point, not
// stretched: it shows what the same screen drawn headless at that scale
// shows, and a click still lands on the button under it.
TEST_F(DemoTest, AResizedWindowIsDrawnAtItsNewScale) {
    const fs::path before = gfx::testing::outputPath("host-window/resized-before.png");
    const fs::path after = gfx::testing::outputPath("host-window/resized-after.png");
    if (std::getenv("DUOLINEAR_WINDOW_TEST_CHILD") != nullptr) {
        ui::Application application(delegate_);
        std::string error;
        ASSERT_TRUE(application.launch(options_.storyboardFile, error)) << error;
        WindowHost host(application);
        ASSERT_TRUE(host.open(error)) << error;
        const auto first = parseScript("tap-button Open counter\ntap-button Add one\nscreenshot " + before.string());
        ASSERT_EQ(host.run(&first.actions), 0);
        EXPECT_LT(ui::Screen::main().scale(), 0.6);  // the phone fitted to the small display

        SDL_Window* shown = SDL_GetWindowFromID(1);
        ASSERT_NE(shown, nullptr);
        // The window shows each frame drawn, not only those a screenshot was
        // taken of: a tap changes the count, and the display with it.
        const std::vector<unsigned long> counted = testing::shownPixels(shown);
        ASSERT_FALSE(counted.empty());
        const auto third = parseScript("tap-button Add one");
        ASSERT_EQ(host.run(&third.actions), 0);
        const std::vector<unsigned long> countedAgain = testing::shownPixels(shown);
        ASSERT_EQ(countedAgain.size(), counted.size());
        std::size_t changed = 0;
        for (std::size_t i = 0; i < counted.size(); ++i) changed += counted[i] != countedAgain[i] ? 1 : 0;
        EXPECT_GT(changed, 0u);
        EXPECT_LT(changed, counted.size() / 50);  // the count alone
        SDL_SetWindowSize(shown, 390, 844);
        int width = 0;
        int height = 0;
        for (int tries = 0; tries < 300 && (width != 390 || height != 844); ++tries) {
            SDL_Delay(10);
            SDL_PumpEvents();
            SDL_GetWindowSize(shown, &width, &height);
        }
        ASSERT_EQ(width, 390);
        // A click at the middle of "Add one", in window units, which are
        // points now.
        std::string why;
        const ui::Button* addOne = WindowDriver(*application.window()).findButton("Add one", why);
        ASSERT_NE(addOne, nullptr) << why;
        const gfx::Rect frame = addOne->frameInRoot();
        for (const Uint32 type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP}) {
            SDL_Event click{};
            click.button.type = type;
            click.button.windowID = SDL_GetWindowID(shown);
            click.button.button = SDL_BUTTON_LEFT;
            click.button.x = static_cast<int>(frame.midX());
            click.button.y = static_cast<int>(frame.midY());
            SDL_PushEvent(&click);
        }
        const auto second = parseScript("screenshot " + after.string());
        ASSERT_EQ(host.run(&second.actions), 0);
        EXPECT_EQ(ui::Screen::main().scale(), 1.0);
        EXPECT_EQ(dynamic_cast<testing::CounterScreen&>(*navigationOf(*delegate_).topViewController()).count(), 3);
        application.terminate();
        return;
    }
    if (std::system("command -v xvfb-run > /dev/null 2>&1") != 0) {
        GTEST_SKIP() << "xvfb-run is not installed";
    }
    fs::remove(after);
    const std::string command = std::string("DUOLINEAR_WINDOW_TEST_CHILD=resized ") +
                                duolinear::testing::kLeakCheckOff + " xvfb-run -a -s '-screen 0 640x480x24' '" +
                                fs::read_symlink("/proc/self/exe").string() +
                                "' --gtest_filter=DemoTest.AResizedWindowIsDrawnAtItsNewScale --gtest_brief=1";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command;
    const fs::path headless = folder_ / "headless.png";
    options_.scale = 1.0;
    ASSERT_EQ(run("tap-button Open counter\ntap-button Add one\ntap-button Add one\ntap-button Add one\nscreenshot " +
                  headless.string() + "\n"),
              0);
    EXPECT_LT(differingShare(after, headless), 0.001);
}

}  // namespace
}  // namespace host

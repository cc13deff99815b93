// The navigation stack and its bar, and storyboards: scenes made by class
// name, segues by identifier with the destination prepared before it shows,
// and the errors a storyboard file can hold.

#include <algorithm>
#include <filesystem>
#include <fstream>

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "UiTestSupport.h"
#include "platform/gfx/ImageSurface.h"
#include "platform/ui/Button.h"
#include "platform/ui/MenuViewController.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/Storyboard.h"
#include "platform/ui/Window.h"

namespace ui {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class Chapters : public ViewController {
public:
    bool handleAction(const std::string& action, Object* sender) override {
        if (action != "tapWithSender:") return false;
        auto* item = dynamic_cast<BarButtonItem*>(sender);
        tapped.push_back(item != nullptr && item->title() ? *item->title() : "?");
        return true;
    }
    std::vector<std::string> tapped;
};

class Source : public ViewController {
public:
    void prepare(StoryboardSegue& segue, Object* sender) override {
        prepared.push_back(segue.identifier());
        destination = &segue.destination();
        destinationShownWhilePreparing = destination->parent() != nullptr;
    }
    std::vector<std::string> prepared;
    ViewController* destination = nullptr;
    bool destinationShownWhilePreparing = true;
};

class Target : public ViewController {
protected:
    void viewDidLoad() override { ++loads; }

public:
    int loads = 0;
};

std::shared_ptr<Window> windowShowing(std::shared_ptr<ViewController> root) {
    auto window = std::make_shared<Window>(gfx::Rect::make(0, 0, 390, 844));
    window->setRootViewController(std::move(root));
    window->layoutIfNeeded();
    return window;
}

gfx::Point centre(const View& view) {
    const gfx::Rect rect = view.frameInRoot();
    return {rect.midX(), rect.midY()};
}

TEST(Navigation, PushAndPopThroughTheBackButton) {
    auto first = std::make_shared<ViewController>();
    first->setTitle("Methods");
    auto navigation = std::make_shared<NavigationController>(first);
    auto window = windowShowing(navigation);
    NavigationBar& bar = *navigation->navigationBar();
    EXPECT_EQ(bar.backButton(), nullptr);
    EXPECT_EQ(bar.titleLabel().text(), "Methods");
    // The title is centred in the bar, as high as the bar.
    const gfx::Rect title = bar.titleLabel().frameInRoot();
    EXPECT_DOUBLE_EQ(title.midX(), window->bounds().width() / 2);
    EXPECT_DOUBLE_EQ(title.height(), NavigationBar::height);
    EXPECT_GT(title.width(), 0.0);

    auto second = std::make_shared<Target>();
    second->setTitle("Addition");
    navigation->pushViewController(second);
    window->layoutIfNeeded();
    EXPECT_EQ(navigation->topViewController(), second.get());
    EXPECT_EQ(second->navigationController(), navigation.get());
    EXPECT_EQ(second->loads, 1);
    EXPECT_EQ(first->view()->superview(), nullptr);
    EXPECT_EQ(second->view()->frame(), window->bounds());
    EXPECT_EQ(second->view()->safeAreaInsets().top, NavigationBar::height);
    ASSERT_NE(bar.backButton(), nullptr);
    EXPECT_DOUBLE_EQ(bar.backButton()->frameInRoot().minX(), 8);
    EXPECT_EQ(bar.titleLabel().text(), "Addition");
    // A screen beneath the top one changes nothing in the bar.
    const Button* back = bar.backButton();
    first->setTitle("Renamed");
    EXPECT_EQ(bar.backButton(), back);
    EXPECT_EQ(bar.titleLabel().text(), "Addition");

    window->tap(centre(*bar.backButton()));
    EXPECT_THAT(navigation->viewControllers(), ElementsAre(first));
    EXPECT_EQ(second->navigationController(), nullptr);
    EXPECT_EQ(first->view()->superview(), navigation->view().get());
    EXPECT_EQ(bar.backButton(), nullptr);
    EXPECT_EQ(navigation->popViewController(), nullptr);  // the root stays

    // A controller pushed before the view is needed leaves it unloaded.
    auto unseen = std::make_shared<NavigationController>(std::make_shared<ViewController>());
    unseen->pushViewController(std::make_shared<ViewController>());
    EXPECT_FALSE(unseen->isViewLoaded());

    // A controller that outlives its navigation controller is free of it: it
    // has none, and a new title reaches no bar.
    auto kept = std::make_shared<ViewController>();
    std::make_shared<NavigationController>(kept)->view();
    EXPECT_EQ(kept->navigationController(), nullptr);
    kept->setTitle("Later");

    // One with nothing on its stack shows an empty bar.
    NavigationController empty;
    ASSERT_EQ(empty.view()->subviews().size(), 1u);
    EXPECT_EQ(empty.navigationBar()->titleLabel().text(), "");
    EXPECT_EQ(empty.navigationBar()->backButton(), nullptr);
    // A stack handed over shows its top at once.
    auto below = std::make_shared<ViewController>();
    auto above = std::make_shared<ViewController>();
    above->setTitle("Above");
    empty.setViewControllers({below, nullptr, above});
    EXPECT_THAT(empty.viewControllers(), ElementsAre(below, above));
    EXPECT_EQ(above->view()->superview(), empty.view().get());
    EXPECT_EQ(empty.navigationBar()->titleLabel().text(), "Above");
    EXPECT_NE(empty.navigationBar()->backButton(), nullptr);
    // The bar is light grey, apart from the white screen below it.
    gfx::ImageSurface image(window->bounds().width(), window->bounds().height());
    window->render(image);
    EXPECT_NEAR(image.pixel(image.pixelWidth() - 2, 2).r, 0.97, 0.005);
    // A half-point grey line closes it at the bottom.
    const int bottom = static_cast<int>(NavigationBar::height) - 1;
    EXPECT_NEAR(image.pixel(image.pixelWidth() - 2, bottom).r, (0.97 + 0.7) / 2, 0.01);
    EXPECT_NEAR(image.pixel(image.pixelWidth() - 2, bottom - 1).r, 0.97, 0.005);
    // The navigation controller's own view is white: under a screen that is
    // clear, what lies beneath it (here a green window) does not show.
    first->view()->setBackgroundColor(gfx::Color::clear());
    window->setBackgroundColor(gfx::Color::green());
    window->render(image);
    EXPECT_EQ(image.pixel(image.pixelWidth() / 2, image.pixelHeight() / 2), gfx::Color::white());
}

TEST(Navigation, RightBarItemsReadFromRightToLeftAndSendToTheirTarget) {
    auto guide = std::make_shared<Chapters>();
    auto navigation = std::make_shared<NavigationController>(guide);
    auto window = windowShowing(navigation);
    std::vector<std::shared_ptr<BarButtonItem>> items;
    for (const char* title : {"technique", "method ", "intro "}) {
        // An item without a target reaches the screen on top through the responder chain.
        Responder* target = std::string(title) == "intro " ? nullptr : guide.get();
        items.push_back(std::make_shared<BarButtonItem>(title, target, "tapWithSender:"));
    }
    guide->navigationItem().setRightBarButtonItems(items);
    window->layoutIfNeeded();

    const auto& buttons = navigation->navigationBar()->itemButtons();
    ASSERT_EQ(buttons.size(), 3u);
    EXPECT_NEAR(buttons[0]->frameInRoot().maxX(), 390 - 8, 1e-9);
    EXPECT_LT(buttons[2]->frameInRoot().maxX(), buttons[1]->frameInRoot().minX());  // "intro " leftmost
    EXPECT_LT(buttons[1]->frameInRoot().maxX(), buttons[0]->frameInRoot().minX());
    for (const auto& button : buttons) window->tap(centre(*button));
    EXPECT_THAT(guide->tapped, ElementsAre("technique", "method ", "intro "));

    // Items taken away leave the bar.
    guide->navigationItem().setRightBarButtonItems({items[0]});
    const auto& bar = *navigation->navigationBar();
    EXPECT_EQ(std::count_if(bar.subviews().begin(), bar.subviews().end(),
                            [](const auto& view) { return dynamic_cast<Button*>(view.get()) != nullptr; }),
              1);
}

const char* const storyboardText = R"({
  "initialScene": "start",
  "scenes": [
    { "id": "start", "class": "ui.NavigationController", "root": "menu" },
    { "id": "menu", "class": "ui.Menu", "title": "Methods",
      "items": [ { "title": "Go on to the scene that solves by substitution", "segue": "toSource" } ] },
    { "id": "source", "class": "Test.Source", "title": "Source" },
    { "id": "target", "class": "Test.Target" }
  ],
  "segues": [
    { "identifier": "toSource", "from": "menu", "to": "source" },
    { "identifier": "Test_Segue", "from": "source", "to": "target" }
  ]
})";

std::shared_ptr<Storyboard> loadTestStoryboard() {
    Storyboard::registerClass("Test.Source", [] { return std::make_shared<Source>(); });
    Storyboard::registerClass("Test.Target", [] { return std::make_shared<Target>(); });
    std::string error;
    auto storyboard = Storyboard::fromJson(storyboardText, error);
    EXPECT_EQ(error, "");
    return storyboard;
}

TEST(Storyboard, MenuAndSeguesLeadThroughTheScenes) {
    auto storyboard = loadTestStoryboard();
    ASSERT_TRUE(storyboard);
    auto root = storyboard->instantiateInitial();
    auto* navigation = dynamic_cast<NavigationController*>(root.get());
    ASSERT_NE(navigation, nullptr);
    auto window = windowShowing(root);
    auto* menu = dynamic_cast<MenuViewController*>(navigation->topViewController());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), "Methods");
    // Its rows span the screen between the margins.
    window->layoutIfNeeded();
    const gfx::Rect row = menu->buttons().at(0)->frameInRoot();
    EXPECT_DOUBLE_EQ(row.minX() + row.maxX(), window->bounds().width());
    EXPECT_GT(row.width(), window->bounds().width() / 2);
    // A title too long for its row is drawn smaller, whole.
    gfx::ImageSurface image(390, 844);
    window->render(image);
    const Label& title = menu->buttons().at(0)->titleLabel();
    EXPECT_LT(title.fontScale(), 0.9);
    EXPECT_LE(title.textRect().width(), row.width());
    // Actions that are not its own go on up the responder chain.
    EXPECT_FALSE(menu->handleAction("tapWithSender:", menu->buttons().at(0).get()));
    EXPECT_EQ(navigation->topViewController(), menu);

    window->tap(centre(*menu->buttons().at(0)));
    auto* source = dynamic_cast<Source*>(navigation->topViewController());
    ASSERT_NE(source, nullptr);
    EXPECT_EQ(source->sceneIdentifier(), "source");
    EXPECT_EQ(source->title(), "Source");

    source->performSegue("Test_Segue", source);
    EXPECT_THAT(source->prepared, ElementsAre("Test_Segue"));
    EXPECT_FALSE(source->destinationShownWhilePreparing);
    auto* target = dynamic_cast<Target*>(navigation->topViewController());
    ASSERT_NE(target, nullptr);
    EXPECT_EQ(source->destination, target);
    EXPECT_EQ(navigation->viewControllers().size(), 3u);

    // Each segue makes a new destination (the first is kept alive, so that a
    // new one cannot reuse its address).
    const std::shared_ptr<ViewController> first = navigation->popViewController();
    source->performSegue("Test_Segue", nullptr);
    EXPECT_NE(navigation->topViewController(), first.get());
}

TEST(Storyboard, UnknownSegueOrClassChangesNothing) {
    auto storyboard = loadTestStoryboard();
    auto root = storyboard->instantiateInitial();
    auto* navigation = dynamic_cast<NavigationController*>(root.get());
    auto source = storyboard->instantiate("source");
    navigation->pushViewController(source);
    auto* typed = dynamic_cast<Source*>(source.get());

    source->performSegue("Nope", nullptr);
    source->performSegue("toSource", nullptr);  // a segue of another scene
    EXPECT_TRUE(typed->prepared.empty());
    EXPECT_EQ(navigation->viewControllers().size(), 2u);

    // Made in code, outside a navigation controller: nothing happens.
    Source loose;
    ::testing::internal::CaptureStderr();
    loose.performSegue("Test_Segue", nullptr);
    EXPECT_THAT(::testing::internal::GetCapturedStderr(),
                HasSubstr("segue \"Test_Segue\" not performed: the view controller has no storyboard scene\n"));
    auto alone = storyboard->instantiate("source");
    ::testing::internal::CaptureStderr();
    alone->performSegue("Test_Segue", nullptr);
    EXPECT_THAT(::testing::internal::GetCapturedStderr(),
                HasSubstr("segue \"Test_Segue\" not performed: scene \"source\" is not in a navigation controller\n"));
    EXPECT_TRUE(dynamic_cast<Source*>(alone.get())->prepared.empty());

    std::string error;
    auto unregistered =
        Storyboard::fromJson(R"({"initialScene": "a", "scenes": [{"id": "a", "class": "Test.Unregistered"},
        {"id": "n", "class": "ui.NavigationController", "root": "a"}]})",
                             error);
    ASSERT_TRUE(unregistered);
    // Neither the scene nor a navigation controller with it at its root is made.
    for (const char* scene : {"a", "n"}) {
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(unregistered->instantiate(scene), nullptr) << scene;
        EXPECT_THAT(::testing::internal::GetCapturedStderr(),
                    HasSubstr("\"Test.Unregistered\", which is not registered"));
    }
    // A navigation controller cannot be pushed onto another.
    auto nested = Storyboard::fromJson(R"({"initialScene": "n", "scenes": [
        {"id": "n", "class": "ui.NavigationController", "root": "s"}, {"id": "s", "class": "Test.Source"},
        {"id": "m", "class": "ui.NavigationController", "root": "t"}, {"id": "t", "class": "Test.Target"}],
        "segues": [{"identifier": "toNavigation", "from": "s", "to": "m"}]})",
                                       error);
    ASSERT_TRUE(nested) << error;
    auto outer = nested->instantiateInitial();
    auto shown = windowShowing(outer);
    auto* from = dynamic_cast<NavigationController&>(*outer).topViewController();
    ::testing::internal::CaptureStderr();
    from->performSegue("toNavigation", nullptr);
    EXPECT_THAT(::testing::internal::GetCapturedStderr(),
                HasSubstr("segue \"toNavigation\" not performed: its destination is a navigation controller"));
    EXPECT_EQ(dynamic_cast<NavigationController&>(*outer).viewControllers().size(), 1u);

    // A factory that makes nothing.
    Storyboard::registerClass("Test.Nothing", [] { return std::shared_ptr<ViewController>(); });
    auto empty =
        Storyboard::fromJson(R"({"initialScene": "a", "scenes": [{"id": "a", "class": "Test.Nothing"}]})", error);
    ASSERT_TRUE(empty);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(empty->instantiateInitial(), nullptr);
    EXPECT_THAT(::testing::internal::GetCapturedStderr(),
                HasSubstr("the class \"Test.Nothing\" of scene \"a\" made no view controller"));
}

TEST(Storyboard, InvalidFilesAreRefusedWithTheReason) {
    struct Case {
        const char* json;
        const char* reason;
    };
    const Case cases[] = {
        {"{", "not valid JSON"},
        {"[]", "not a JSON object"},
        {R"({"scenes": []})", "has no \"initialScene\""},
        {R"({"initialScene": "a"})", "no list of \"scenes\""},
        {R"({"initialScene": "b", "scenes": [{"id": "a", "class": "X"}]})", "initial scene \"b\" is not among"},
        {R"({"initialScene": "a", "scenes": [{"id": "a", "class": "X"}, {"id": "a", "class": "Y"}]})",
         "two scenes have the id \"a\""},
        {R"({"initialScene": "a", "scenes": [{"id": "a"}]})", "scene \"a\" has no \"class\""},
        {R"({"initialScene": "a", "scenes": [{"id": "a", "class": 3}]})", "\"class\" is not a string"},
        {R"({"initialScene": "a", "scenes": [{"id": "a", "class": "ui.NavigationController"}]})",
         "scene \"a\" has no \"root\""},
        {R"({"initialScene": "a", "scenes": [{"id": "a", "class": "ui.NavigationController", "root": "z"}]})",
         "scene \"a\" has the unknown root \"z\""},
        {R"({"initialScene": "a", "scenes": [{"id": "a", "class": "ui.NavigationController", "root": "a"}]})",
         "scene \"a\" has a navigation controller as its root"},
        {R"({"initialScene": "a", "scenes": [{"id": "a", "class": "X"}],
             "segues": [{"identifier": "s", "from": "a", "to": "q"}]})",
         "segue \"s\" names the unknown scene \"q\""},
        {R"({"initialScene": "a", "scenes": [{"id": "a", "class": "X"}],
             "segues": [{"identifier": "s", "from": "a", "to": "a"}, {"identifier": "s", "from": "a", "to": "a"}]})",
         "two segues \"s\""},
        {R"({"initialScene": "a", "scenes": [{"id": "a", "class": "ui.Menu", "items": [{"title": "T", "segue": "s"}]}]})",
         "names the segue \"s\", which does not leave this scene"},
        {R"({"initialScene": "a", "scenes": [{"id": "a", "class": "X"}], "segues": 3})",
         "the storyboard's \"segues\" is not a list"},
        {R"({"initialScene": "a", "scenes": [{"id": "a", "class": "X"}], "segues": [3]})", "segue 1 is not an object"},
        {R"({"initialScene": "a", "scenes": [{"id": "a", "class": "X"}, 3]})", "scene 2 is not an object"},
        {R"({"initialScene": "a", "scenes": [{"id": "a", "class": "ui.Menu", "items": 3}]})",
         "scene \"a\": \"items\" is not a list"},
        {R"({"initialScene": "a", "scenes": [{"id": "a", "class": "ui.Menu", "items": [3]}]})",
         "scene \"a\", item 1 is not an object"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_EQ(Storyboard::fromJson(c.json, error), nullptr) << c.json;
        EXPECT_THAT(error, HasSubstr(c.reason)) << c.json;
    }

    std::string error;
    EXPECT_EQ(Storyboard::fromFile("/nonexistent/Main.storyboard.json", error), nullptr);
    EXPECT_THAT(error, HasSubstr("cannot read the storyboard"));
    // A file that is no storyboard is named with the reason.
    namespace fs = std::filesystem;
    const fs::path file = fs::temp_directory_path() / ("duolinear-storyboard-" + std::to_string(::getpid()) + ".json");
    std::ofstream(file) << "{}";
    EXPECT_EQ(Storyboard::fromFile(file, error), nullptr);
    EXPECT_EQ(error, file.string() + ": the storyboard has no \"initialScene\"");
    fs::remove(file);
}

}  // namespace
}  // namespace ui

// The view tree: finding views by tag, hit-testing (labels let taps through),
// the responder chain that carries a button's action without a target, and
// the drawing pass that clips each view to itself.

#include <algorithm>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "platform/gfx/Context.h"
#include "platform/gfx/ImageSurface.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/ViewController.h"
#include "platform/ui/Window.h"

namespace ui {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::SizeIs;

// A view that records the actions it implements and who sent them.
class ActionView : public View {
public:
    explicit ActionView(std::string action) : action_(std::move(action)) {}
    bool handleAction(const std::string& action, Object* sender) override {
        if (action != action_) return false;
        senders.push_back(dynamic_cast<Button*>(sender));
        return true;
    }
    std::vector<Button*> senders;

private:
    std::string action_;
};

std::shared_ptr<View> placed(View& parent, gfx::Rect frame, long long tag = 0) {
    auto view = std::make_shared<View>(frame);
    view->setTag(tag);
    parent.addSubview(view);
    return view;
}

TEST(View, ViewWithTagSearchesDepthFirstFromTheReceiver) {
    View root(gfx::Rect::make(0, 0, 100, 100));
    root.setTag(5);
    auto a = placed(root, {}, 1);
    auto aChild = placed(*a, {}, 2);
    auto b = placed(root, {}, 2);
    placed(*b, {}, 3);

    EXPECT_EQ(root.viewWithTag(5), &root);
    EXPECT_EQ(root.viewWithTag(2), aChild.get());  // a's subtree comes before b
    EXPECT_EQ(b->viewWithTag(2), b.get());
    EXPECT_EQ(a->viewWithTag(3), nullptr);
    EXPECT_EQ(root.viewWithTag(3)->superview(), b.get());
}

TEST(View, TapsFallThroughLabelsOntoTheKeyBeneath) {
    View root(gfx::Rect::make(0, 0, 200, 100));
    auto key = std::make_shared<Button>();
    key->setFrame(gfx::Rect::make(10, 10, 80, 40));
    root.addSubview(key);
    auto label = std::make_shared<Label>();
    label->setFrame(key->frame());
    label->setText("0");
    root.addSubview(label);
    auto hiddenCover = placed(root, gfx::Rect::make(0, 0, 200, 100));
    hiddenCover->setHidden(true);
    auto deafCover = placed(root, gfx::Rect::make(0, 0, 200, 100));
    deafCover->setUserInteractionEnabled(false);

    EXPECT_EQ(root.hitTest({20, 20}), key.get());
    EXPECT_EQ(root.hitTest({89, 49}), key.get());
    EXPECT_EQ(root.hitTest({90, 20}), &root);  // the far edge is outside
    EXPECT_EQ(root.hitTest({150, 20}), &root);
    EXPECT_EQ(root.hitTest({-1, 20}), nullptr);

    label->setUserInteractionEnabled(true);
    EXPECT_EQ(root.hitTest({20, 20}), label.get());
}

TEST(View, APressedButtonShowsItsTitleFaint) {
    Window window(gfx::Rect::make(0, 0, 100, 60));
    auto button = std::make_shared<Button>();
    button->setFrame(window.bounds());
    button->setTitle("8");
    button->titleLabel().setFont(gfx::Font::system(40));
    window.addSubview(button);
    auto darkest = [&] {
        gfx::ImageSurface image(100, 60);
        window.render(image);
        double least = 1.0;
        for (int y = 0; y < 60; ++y) {
            for (int x = 0; x < 100; ++x) least = std::min(least, image.pixel(x, y).g + image.pixel(x, y).r);
        }
        return least;
    };
    const double released = darkest();
    window.touchDown({50, 30});
    EXPECT_TRUE(window.needsDisplay());
    EXPECT_GT(darkest(), released + 0.5);
    window.touchUp({50, 30});
    EXPECT_DOUBLE_EQ(darkest(), released);
    // So does a new colour for the title.
    button->setTitleColor(gfx::Color::red());
    EXPECT_TRUE(window.needsDisplay());
}

// A window lays itself out before it finds the view under a touch or the
// wheel: a view placed by constraints is found where it will be drawn.
TEST(View, TouchesAndTheWheelFindViewsBeforeTheFirstDrawing) {
    struct Recorder : View {
        void touchesBegan(const std::vector<Touch>&) override { ++touches; }
        bool scrollWheel(double, double) override { return ++scrolls > 0; }
        int touches = 0;
        int scrolls = 0;
    };
    for (const bool wheel : {false, true}) {
        Window window(gfx::Rect::make(0, 0, 100, 100));
        auto right = testing::addConstrained<Recorder>(window);
        right->leadingAnchor().constraintEqualTo(window.centerXAnchor()).activate();
        right->trailingAnchor().constraintEqualTo(window.trailingAnchor()).activate();
        right->topAnchor().constraintEqualTo(window.topAnchor()).activate();
        right->bottomAnchor().constraintEqualTo(window.bottomAnchor()).activate();
        if (wheel) {
            EXPECT_FALSE(window.scroll({25, 50}, 0, 1));  // nothing there takes it
            EXPECT_TRUE(window.scroll({75, 50}, 0, 1));
        } else {
            window.tap({75, 50});
        }
        EXPECT_EQ(right->touches + right->scrolls, 1) << (wheel ? "wheel" : "touch");
    }
}

// An action that takes its button out of the tree (its only owner) does not
// end the button before the button's other actions have been sent.
TEST(View, AButtonOutlivesAnActionThatTakesItAway) {
    struct Target : Responder {
        bool handleAction(const std::string& action, Object*) override {
            if (action == "remove") button.lock()->removeFromSuperview();
            if (action == "look") aliveAtSecondAction = !button.expired();
            return true;
        }
        std::weak_ptr<Button> button;
        bool aliveAtSecondAction = false;
    };
    View parent(gfx::Rect::make(0, 0, 100, 100));
    Target target;
    {
        auto button = std::make_shared<Button>();
        parent.addSubview(button);
        button->addTarget(&target, "remove");
        button->addTarget(&target, "look");
        target.button = button;
    }
    Button* const button = target.button.lock().get();  // the parent alone owns it
    button->sendActions();
    EXPECT_TRUE(target.aliveAtSecondAction);
    EXPECT_TRUE(target.button.expired());

    // A view that outlives its superview has none.
    std::shared_ptr<View> orphan;
    {
        View brief(gfx::Rect::make(0, 0, 10, 10));
        orphan = placed(brief, {});
    }
    EXPECT_EQ(orphan->superview(), nullptr);
}

// A button acts only on a touch it saw begin: a subview that keeps the start
// of a touch to itself, but passes its end on, does not press the button.
TEST(View, AButtonActsOnlyOnATouchItSawBegin) {
    struct Grabber : View {
        void touchesBegan(const std::vector<Touch>&) override {}
    };
    Window window(gfx::Rect::make(0, 0, 100, 100));
    auto pad = std::make_shared<ActionView>("press");
    pad->setFrame(window.bounds());
    window.addSubview(pad);
    auto button = std::make_shared<Button>();
    button->setFrame(gfx::Rect::make(0, 0, 100, 50));
    button->addTarget(nullptr, "press");
    pad->addSubview(button);
    auto grabber = std::make_shared<Grabber>();
    grabber->setFrame(gfx::Rect::make(0, 0, 50, 50));
    button->addSubview(grabber);

    window.tap({25, 25});
    EXPECT_THAT(pad->senders, IsEmpty());
    window.tap({75, 25});
    EXPECT_THAT(pad->senders, ElementsAre(button.get()));
}

TEST(View, ActionWithoutTargetClimbsToTheFirstViewThatImplementsIt) {
    auto window = std::make_shared<Window>(gfx::Rect::make(0, 0, 300, 300));
    auto pad = std::make_shared<ActionView>("keyPressedWithSender:");
    pad->setFrame(gfx::Rect::make(0, 0, 300, 300));
    window->addSubview(pad);
    auto other = std::make_shared<ActionView>("tapWithSender:");  // on the way, another action
    other->setFrame(gfx::Rect::make(0, 0, 300, 300));
    pad->addSubview(other);
    auto row = placed(*other, gfx::Rect::make(0, 100, 300, 50));
    auto key = std::make_shared<Button>();
    key->setFrame(gfx::Rect::make(50, 0, 50, 50));
    key->setTitle("7");
    key->addTarget(nullptr, "keyPressedWithSender:");
    row->addSubview(key);
    auto cover = std::make_shared<Label>();
    cover->setFrame(key->frame());
    row->addSubview(cover);

    window->tap({60, 110});
    EXPECT_THAT(pad->senders, ElementsAre(key.get()));
    EXPECT_THAT(other->senders, IsEmpty());

    // Touch up outside the key sends nothing.
    window->touchDown({60, 110});
    window->touchMove({200, 110});
    EXPECT_FALSE(key->isHighlighted());
    window->touchUp({200, 110});
    EXPECT_THAT(pad->senders, SizeIs(1));

    // A target takes the action itself, even if it does not implement it.
    key->addTarget(other.get(), "keyPressedWithSender:");
    window->tap({60, 110});
    EXPECT_THAT(pad->senders, SizeIs(2));
    EXPECT_THAT(other->senders, IsEmpty());

    // Past the window the chain reaches the application's delegate.
    struct Catching : ApplicationDelegate {
        bool handleAction(const std::string& action, Object*) override { return action == "appWide:" && ++caught; }
        int caught = 0;
    };
    auto delegate = std::make_shared<Catching>();
    Application application(delegate);
    key->addTarget(nullptr, "appWide:");
    window->tap({60, 110});
    EXPECT_EQ(delegate->caught, 1);
}

TEST(View, ChainRunsThroughTheViewController) {
    class Screen : public ViewController {
    public:
        bool handleAction(const std::string& action, Object* sender) override {
            taken += action == "keyPressedWithSender:";
            return action == "keyPressedWithSender:";
        }
        int taken = 0;
    };
    auto screen = std::make_shared<Screen>();
    auto window = std::make_shared<Window>(gfx::Rect::make(0, 0, 100, 100));
    window->setRootViewController(screen);
    auto key = std::make_shared<Button>();
    key->setFrame(gfx::Rect::make(0, 0, 50, 50));
    key->addTarget(nullptr, "keyPressedWithSender:");
    screen->view()->addSubview(key);

    EXPECT_EQ(screen->view()->nextResponder(), screen.get());
    EXPECT_EQ(screen->nextResponder(), window.get());
    window->tap({10, 10});
    EXPECT_EQ(screen->taken, 1);

    // A new root takes the old one's place in the window.
    auto next = std::make_shared<ViewController>();
    window->setRootViewController(next);
    ASSERT_EQ(window->subviews().size(), 1u);
    EXPECT_EQ(window->subviews()[0], next->view());
    EXPECT_EQ(screen->view()->superview(), nullptr);
}

// Fills far more than its bounds; the drawing pass clips it.
class Spill : public View {
public:
    void draw(gfx::Rect) override {
        gfx::Context* context = gfx::currentContext();
        context->setFillColor(gfx::Color::red());
        context->fillRect(gfx::Rect::make(-1000, -1000, 3000, 3000));
    }
};

TEST(View, DrawingIsClippedToEachViewAndSkipsHiddenOnes) {
    auto window = std::make_shared<Window>(gfx::Rect::make(0, 0, 40, 40));
    auto box = placed(*window, gfx::Rect::make(10, 10, 20, 20));
    box->setBackgroundColor(gfx::Color::blue());
    auto spill = std::make_shared<Spill>();
    spill->setFrame(gfx::Rect::make(5, 5, 10, 5));
    box->addSubview(spill);
    auto hidden = placed(*window, gfx::Rect::make(0, 0, 40, 40));
    hidden->setBackgroundColor(gfx::Color::green());
    hidden->setHidden(true);

    gfx::ImageSurface image(40, 40, 1.0);
    window->render(image);
    EXPECT_FALSE(window->needsDisplay());
    EXPECT_EQ(image.pixel(5, 5), gfx::Color::white());
    EXPECT_EQ(image.pixel(11, 11), gfx::Color::blue());
    EXPECT_EQ(image.pixel(16, 16), gfx::Color::red());   // spill at (15, 15) in the window
    EXPECT_EQ(image.pixel(26, 16), gfx::Color::blue());  // right of the spill's bounds
    EXPECT_EQ(image.pixel(16, 21), gfx::Color::blue());  // below them

    spill->setNeedsDisplay();
    EXPECT_TRUE(window->needsDisplay());
    // Showing a hidden view, or a new background, draws the window again.
    window->render(image);
    hidden->setHidden(false);
    EXPECT_TRUE(window->needsDisplay());
    window->render(image);
    spill->setBackgroundColor(gfx::Color::black());
    EXPECT_TRUE(window->needsDisplay());
}

}  // namespace
}  // namespace ui

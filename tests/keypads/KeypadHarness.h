#pragma once
// A window showing one view the way the entry screens show their keypad (5
// points inside the safe area), tapped through the window's hit-testing and
// the responder chain; and stand-ins for the screen's side of the keypad.

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "keypads/PadInterfaces.h"
#include "keypads/UniversalIntegerPadView.h"
#include "keypads/UniversalRealPadView.h"
#include "platform/host/WindowDriver.h"
#include "platform/ui/LayoutSolver.h"
#include "platform/ui/ViewController.h"
#include "platform/ui/Window.h"
#include "support/NearRect.h"

namespace duolinear::testing {

class HostScreen : public ui::ViewController {
public:
    explicit HostScreen(std::shared_ptr<ui::View> content) : content_(std::move(content)) {}

protected:
    void viewDidLoad() override {
        view()->addSubview(content_);
        const ui::LayoutGuide safe = view()->safeAreaLayoutGuide();
        content_->topAnchor().constraintEqualTo(safe.topAnchor(), 5.0).activate();
        content_->bottomAnchor().constraintEqualTo(safe.bottomAnchor(), -5.0).activate();
        content_->leadingAnchor().constraintEqualTo(safe.leadingAnchor(), 5.0).activate();
        content_->trailingAnchor().constraintEqualTo(safe.trailingAnchor(), -5.0).activate();
    }

private:
    std::shared_ptr<ui::View> content_;
};

class Hosted {
public:
    explicit Hosted(std::shared_ptr<ui::View> content, double width = 390.0, double height = 844.0)
        : window_(std::make_shared<ui::Window>(gfx::Rect::make(0, 0, width, height))), driver_(*window_) {
        window_->setRootViewController(std::make_shared<HostScreen>(std::move(content)));
    }

    ui::Window& window() { return *window_; }
    // Taps at the centre of the shown button with each title, as a user would.
    void tapKeys(const std::vector<std::string>& titles) {
        for (const std::string& title : titles) {
            const host::Outcome outcome = driver_.tapButton(title);
            ASSERT_TRUE(outcome.ok) << outcome.message;
        }
    }
    void tap(gfx::Point point) { window_->tap(point); }

    ui::Label* label(long long tag) { return dynamic_cast<ui::Label*>(window_->viewWithTag(tag)); }
    std::string text(long long tag) { return label(tag) ? label(tag)->text() : "<none>"; }
    gfx::Color background(long long tag) { return label(tag) ? label(tag)->backgroundColor() : gfx::Color::clear(); }
    ui::Button* button(const std::string& title) {
        std::string why;
        return driver_.findButton(title, why);
    }
    gfx::Rect frame(const ui::View& view) {
        window_->layoutIfNeeded();
        return view.frameInRoot();
    }
    // Empty when the constraints fix every frame without conflict.
    std::vector<std::string> layoutProblems() { return ui::solveLayout(*window_).problems; }

private:
    std::shared_ptr<ui::Window> window_;
    host::WindowDriver driver_;
};

// The tags among these whose labels are green.
inline std::vector<long long> greenLabels(Hosted& hosted, const std::vector<long long>& tags) {
    std::vector<long long> found;
    for (long long tag : tags) {
        if (hosted.background(tag) == gfx::Color::green()) found.push_back(tag);
    }
    return found;
}

struct RecordingPadDelegate : PadDataEntryDelegate {
    void keyPressed(ui::Object* sender) override { senders.push_back(sender); }
    std::vector<ui::Object*> senders;
};

struct HandOver {
    ElementGroups inputs;
    SelectedTexts options;
    SelectedTexts multiLine;
};

// Both keypads' data source and delegate.
struct RecordingScreen : IntegerDataSource, IntegerDelegate, RealDataSource, RealDelegate {
    int maxDigits() override { return ++maxDigitsAsked, digits; }
    bool allowsNegative() override { return negative; }
    void enterEquationData(const ElementGroups& i, const SelectedTexts& o, const SelectedTexts& m) override {
        received.push_back({i, o, m});
    }
    int digits = 3;
    bool negative = true;
    int maxDigitsAsked = 0;
    std::vector<HandOver> received;
};

// As the addition and elimination entry screens make their keypad.
inline EntryElements entryScreenElements() {
    return {.inputs = {{{"0", "0", "0"}}, {{"0", "0", "0"}}},
            .options = {{{"eliminate x to find y", "eliminate y to find x"}},
                        {{"substitute in first", "substitute in second"}},
                        {{"LCM", "smart ✖️"}}}};
}

// A keypad in a phone-sized window, reporting to a recording screen.
template <class Pad>
struct HostedKeypad {
    explicit HostedKeypad(EntryElements elements = entryScreenElements())
        : pad(std::make_shared<Pad>(std::vector<std::string>{"a·x + b·y = c"}, elements)), hosted(pad) {
        pad->setDataSource(&screen);
        pad->setDelegate(&screen);
    }
    RecordingScreen screen;
    std::shared_ptr<Pad> pad;
    Hosted hosted;
};
using EntryKeypad = HostedKeypad<UniversalIntegerPadView>;

}  // namespace duolinear::testing

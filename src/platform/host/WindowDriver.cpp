#include "platform/host/WindowDriver.h"

#include <cstdio>
#include <vector>

#include "platform/host/Script.h"
#include "platform/ui/NavigationBar.h"

namespace host {

namespace {

// Shown views, frontmost first.
void collectFrontToBack(ui::View& view, std::vector<ui::View*>& into) {
    if (view.isHidden()) return;
    const auto& subviews = view.subviews();
    for (auto it = subviews.rbegin(); it != subviews.rend(); ++it) collectFrontToBack(**it, into);
    into.push_back(&view);
}

gfx::Point centreInWindow(const ui::View& view) {
    const gfx::Rect rect = view.frameInRoot();
    return {rect.midX(), rect.midY()};
}

std::string formatPoint(gfx::Point point) {
    char text[64];
    std::snprintf(text, sizeof text, "(%g, %g)", point.x, point.y);
    return text;
}

}  // namespace

Outcome WindowDriver::tap(gfx::Point point) {
    if (!window_->bounds().contains(point)) {
        const gfx::Size size = window_->bounds().size;
        char extent[64];
        std::snprintf(extent, sizeof extent, "%g x %g", size.width, size.height);
        return Outcome::failure("the point " + formatPoint(point) + " is outside the window (" + extent + " points)");
    }
    window_->tap(point);
    return Outcome::success();
}

ui::Button* WindowDriver::findButton(const std::string& title, std::string& why) {
    window_->layoutIfNeeded();
    std::vector<ui::View*> views;
    collectFrontToBack(*window_, views);
    std::string covered;
    for (ui::View* view : views) {
        auto* button = dynamic_cast<ui::Button*>(view);
        if (button == nullptr || button->currentTitle() != title) continue;
        if (button->frameInRoot().isEmpty()) continue;
        const gfx::Point centre = centreInWindow(*button);
        if (!window_->bounds().contains(centre)) continue;
        ui::View* hit = window_->hitTest(centre);
        if (hit != nullptr && hit->isDescendantOf(*button)) return button;
        if (covered.empty()) {
            covered = hit != nullptr ? "covered by " + hit->debugDescription() : "not taking touches";
        }
    }
    why = covered.empty() ? "no button titled \"" + echoText(title) + "\" is shown"
                          : "the button titled \"" + echoText(title) + "\" is " + covered;
    return nullptr;
}

Outcome WindowDriver::tapOn(ui::Button& button) {
    window_->tap(centreInWindow(button));
    return Outcome::success();
}

Outcome WindowDriver::tapButton(const std::string& title) {
    std::string why;
    ui::Button* button = findButton(title, why);
    if (button == nullptr) return Outcome::failure(why);
    return tapOn(*button);
}

Outcome WindowDriver::back() {
    window_->layoutIfNeeded();
    std::vector<ui::View*> views;
    collectFrontToBack(*window_, views);
    for (ui::View* view : views) {
        auto* bar = dynamic_cast<ui::NavigationBar*>(view);
        if (bar == nullptr || bar->backButton() == nullptr) continue;
        ui::View* hit = window_->hitTest(centreInWindow(*bar->backButton()));
        if (hit == nullptr || !hit->isDescendantOf(*bar->backButton())) continue;
        return tapOn(*bar->backButton());
    }
    return Outcome::failure("there is no back button to go back with");
}

}  // namespace host

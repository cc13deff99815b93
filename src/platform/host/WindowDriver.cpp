#include "platform/host/WindowDriver.h"

#include <algorithm>
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

// Whether a tap could reach the view's centre: it has a size and its centre
// lies in the window.
bool isOnScreen(const ui::Window& window, const ui::View& view) {
    return !view.frameInRoot().isEmpty() && window.bounds().contains(centreInWindow(view));
}

// The titles of the buttons on screen, as a message lists them: quoted, in
// the order the views stand (back to front), each once, at most
// kListedTitles of them.
std::string shownTitles(const ui::Window& window, const std::vector<ui::View*>& frontToBack) {
    constexpr std::size_t kListedTitles = 30;
    std::vector<std::string> titles;
    bool more = false;
    for (auto it = frontToBack.rbegin(); it != frontToBack.rend(); ++it) {
        const auto* button = dynamic_cast<const ui::Button*>(*it);
        if (button == nullptr || !button->currentTitle() || button->currentTitle()->empty()) continue;
        if (!isOnScreen(window, *button)) continue;
        const std::string quoted = "\"" + echoText(*button->currentTitle()) + "\"";
        if (std::find(titles.begin(), titles.end(), quoted) != titles.end()) continue;
        if (titles.size() == kListedTitles) {
            more = true;
            break;
        }
        titles.push_back(quoted);
    }
    if (titles.empty()) return "no button is shown";
    std::string list = "the buttons shown: ";
    for (std::size_t i = 0; i < titles.size(); ++i) list += (i == 0 ? "" : ", ") + titles[i];
    return more ? list + ", \u2026" : list;
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
    // A title matches with the blanks at its ends ignored, since a script
    // names the text a user reads; a button whose title matches exactly is
    // taken before one that matches only so.
    const std::string wanted = withoutEndBlanks(title);
    std::string covered;
    for (const bool exact : {true, false}) {
        if (!exact && wanted.empty()) break;  // blanks alone name no title
        for (ui::View* view : views) {
            auto* button = dynamic_cast<ui::Button*>(view);
            if (button == nullptr || !button->currentTitle()) continue;
            const std::string& shown = *button->currentTitle();
            if (exact ? shown != title : withoutEndBlanks(shown) != wanted) continue;
            if (!isOnScreen(*window_, *button)) continue;
            const gfx::Point centre = centreInWindow(*button);
            ui::View* hit = window_->hitTest(centre);
            if (hit != nullptr && hit->isDescendantOf(*button)) return button;
            if (covered.empty()) {
                covered = hit != nullptr ? "covered by " + hit->debugDescription() : "not taking touches";
            }
        }
    }
    why = covered.empty()
              ? "no button titled \"" + echoText(title) + "\" is shown (" + shownTitles(*window_, views) + ")"
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

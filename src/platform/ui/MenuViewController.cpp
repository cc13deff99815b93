#include "platform/ui/MenuViewController.h"

#include "platform/ui/View.h"

namespace ui {

namespace {

const char* const itemAction = "ui.menuItemTapped";
constexpr double rowHeight = 56.0;
constexpr double gap = 12.0;
constexpr double margin = 20.0;

}  // namespace

void MenuViewController::viewDidLoad() {
    View& root = *view();
    root.setBackgroundColor(gfx::Color::white(0.94, 1.0));
    const LayoutGuide guide = root.safeAreaLayoutGuide();
    for (const Storyboard::MenuItem& item : items_) {
        auto button = std::make_shared<Button>();
        button->setTitle(item.title);
        button->titleLabel().setFont(gfx::Font::system(22.0));
        button->titleLabel().setAdjustsFontSizeToFitWidth(true);
        button->setBackgroundColor(gfx::Color::white());
        button->setTranslatesAutoresizingMaskIntoConstraints(false);
        button->addTarget(this, itemAction);
        root.addSubview(button);
        if (buttons_.empty()) {
            button->topAnchor().constraintEqualTo(guide.topAnchor(), margin).activate();
        } else {
            button->topAnchor().constraintEqualTo(buttons_.back()->bottomAnchor(), gap).activate();
        }
        button->leadingAnchor().constraintEqualTo(guide.leadingAnchor(), margin).activate();
        button->trailingAnchor().constraintEqualTo(guide.trailingAnchor(), -margin).activate();
        button->heightAnchor().constraintEqualToConstant(rowHeight).activate();
        buttons_.push_back(std::move(button));
    }
}

bool MenuViewController::handleAction(const std::string& action, Object* sender) {
    if (action != itemAction) return false;
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        if (buttons_[i].get() == sender) performSegue(items_[i].segue, sender);
    }
    return true;
}

}  // namespace ui

#include "platform/ui/NavigationBar.h"

#include "platform/gfx/Context.h"
#include "platform/ui/NavigationController.h"

namespace ui {

namespace {

constexpr double margin = 8.0;
constexpr double spacing = 16.0;
const char* const backAction = "ui.navigationBackTapped";
const char* const itemAction = "ui.barButtonItemTapped";

}  // namespace

NavigationBar::NavigationBar(NavigationController& controller)
    : controller_(&controller), titleLabel_(std::make_shared<Label>()) {
    setBackgroundColor(gfx::Color::white(0.97, 1.0));
    titleLabel_->setFont(gfx::Font::system(17.0, gfx::FontWeight::semibold()));
    titleLabel_->setTextAlignment(TextAlignment::center);
    titleLabel_->setTranslatesAutoresizingMaskIntoConstraints(false);
    addSubview(titleLabel_);
    titleLabel_->centerXAnchor().constraintEqualTo(centerXAnchor()).activate();
    titleLabel_->topAnchor().constraintEqualTo(topAnchor()).activate();
    titleLabel_->bottomAnchor().constraintEqualTo(bottomAnchor()).activate();
}

std::shared_ptr<Button> NavigationBar::makeButton(const std::string& title) {
    auto button = std::make_shared<Button>();
    button->setTitle(title);
    button->titleLabel().setFont(gfx::Font::system(17.0));
    button->setTranslatesAutoresizingMaskIntoConstraints(false);
    addSubview(button);
    button->topAnchor().constraintEqualTo(topAnchor()).activate();
    button->bottomAnchor().constraintEqualTo(bottomAnchor()).activate();
    return button;
}

void NavigationBar::update(const NavigationItem& item, bool showsBackButton) {
    titleLabel_->setText(item.title());

    if (backButton_) backButton_->removeFromSuperview();
    backButton_.reset();
    if (showsBackButton) {
        backButton_ = makeButton("‹ Back");
        backButton_->addTarget(this, backAction);
        backButton_->leadingAnchor().constraintEqualTo(leadingAnchor(), margin).activate();
    }

    for (const auto& button : itemButtons_) button->removeFromSuperview();
    itemButtons_.clear();
    items_ = item.rightBarButtonItems();
    // The first item stands at the right edge, the others leftwards.
    for (const auto& barItem : items_) {
        auto button = makeButton(barItem->title().value_or(""));
        button->addTarget(this, itemAction);
        if (itemButtons_.empty()) {
            button->trailingAnchor().constraintEqualTo(trailingAnchor(), -margin).activate();
        } else {
            button->trailingAnchor().constraintEqualTo(itemButtons_.back()->leadingAnchor(), -spacing).activate();
        }
        itemButtons_.push_back(std::move(button));
    }
    setNeedsDisplay();
}

bool NavigationBar::handleAction(const std::string& action, Object* sender) {
    if (action == backAction) {
        controller_->popViewController();
        return true;
    }
    if (action == itemAction) {
        for (std::size_t i = 0; i < itemButtons_.size(); ++i) {
            if (itemButtons_[i].get() != sender) continue;
            // Keep the item alive even if its action replaces the bar's items.
            const std::shared_ptr<BarButtonItem> item = items_[i];
            Responder* from = controller_->topViewController();
            item->sendAction(from != nullptr ? *from : static_cast<Responder&>(*this));
            break;
        }
        return true;
    }
    return false;
}

void NavigationBar::draw(gfx::Rect rect) {
    gfx::Context* context = gfx::currentContext();
    if (context == nullptr) return;
    const gfx::Rect area = bounds();
    context->setFillColor(gfx::Color::white(0.7, 1.0));
    context->fillRect(gfx::Rect::make(0.0, area.height() - 0.5, area.width(), 0.5));
}

}  // namespace ui

#pragma once
// The bar at the top of a navigation controller: a back button at the left
// when there is a screen to go back to, the top screen's title in the middle
// and its right bar button items at the right.

#include <memory>
#include <vector>

#include "platform/ui/BarButtonItem.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/NavigationItem.h"
#include "platform/ui/View.h"

namespace ui {

class NavigationController;

class NavigationBar : public View {
public:
    static constexpr double height = 44.0;

    explicit NavigationBar(NavigationController& controller);

    // Shows the item of the screen on top.
    void update(const NavigationItem& item, bool showsBackButton);

    // The back button, or null when there is nothing to go back to.
    Button* backButton() const { return backButton_.get(); }
    // The buttons of the right bar button items, in the items' order.
    const std::vector<std::shared_ptr<Button>>& itemButtons() const { return itemButtons_; }
    const Label& titleLabel() const { return *titleLabel_; }

    bool handleAction(const std::string& action, Object* sender) override;
    void draw(gfx::Rect rect) override;

private:
    std::shared_ptr<Button> makeButton(const std::string& title);

    NavigationController* controller_;
    std::shared_ptr<Label> titleLabel_;
    std::shared_ptr<Button> backButton_;
    std::vector<std::shared_ptr<Button>> itemButtons_;
    std::vector<std::shared_ptr<BarButtonItem>> items_;
};

}  // namespace ui

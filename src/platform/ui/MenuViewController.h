#pragma once
// A storyboard scene that lists buttons, one under the other, each performing
// a segue of the scene when tapped ("ui.Menu" in a storyboard).

#include <memory>
#include <vector>

#include "platform/ui/Button.h"
#include "platform/ui/Storyboard.h"
#include "platform/ui/ViewController.h"

namespace ui {

class MenuViewController : public ViewController {
public:
    explicit MenuViewController(std::vector<Storyboard::MenuItem> items) : items_(std::move(items)) {}

    const std::vector<Storyboard::MenuItem>& items() const { return items_; }
    const std::vector<std::shared_ptr<Button>>& buttons() const { return buttons_; }

    bool handleAction(const std::string& action, Object* sender) override;

protected:
    void viewDidLoad() override;

private:
    std::vector<Storyboard::MenuItem> items_;
    std::vector<std::shared_ptr<Button>> buttons_;
};

}  // namespace ui

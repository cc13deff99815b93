#pragma once
// A stack of view controllers shown one at a time under a navigation bar.
// The top one's view fills the navigation controller's view, and its safe
// area leaves out the bar. The bar's back button pops the top one.

#include <memory>
#include <vector>

#include "platform/ui/NavigationBar.h"
#include "platform/ui/ViewController.h"

namespace ui {

class NavigationController : public ViewController {
public:
    NavigationController() = default;
    explicit NavigationController(std::shared_ptr<ViewController> root);
    ~NavigationController() override;

    const std::vector<std::shared_ptr<ViewController>>& viewControllers() const { return stack_; }
    ViewController* topViewController() const { return stack_.empty() ? nullptr : stack_.back().get(); }

    void setViewControllers(std::vector<std::shared_ptr<ViewController>> controllers);
    void pushViewController(std::shared_ptr<ViewController> controller);
    // Takes the top view controller off, unless it is the only one; returns it.
    std::shared_ptr<ViewController> popViewController();

    // Made with the view.
    NavigationBar* navigationBar() const { return bar_.get(); }

protected:
    void loadView() override;

private:
    void adopt(ViewController& controller);
    void release(ViewController& controller);
    void showTop();

    std::vector<std::shared_ptr<ViewController>> stack_;
    std::shared_ptr<NavigationBar> bar_;
    ViewController* shown_ = nullptr;
};

}  // namespace ui

#include "platform/ui/NavigationController.h"

#include "platform/ui/View.h"

namespace ui {

NavigationController::NavigationController(std::shared_ptr<ViewController> root) {
    if (root) setViewControllers({std::move(root)});
}

NavigationController::~NavigationController() {
    for (const auto& controller : stack_) release(*controller);
}

void NavigationController::adopt(ViewController& controller) {
    controller.parent_ = this;
}

void NavigationController::release(ViewController& controller) {
    controller.navigationItem().setChangeHandler(nullptr);
    if (controller.parent_ == this) controller.parent_ = nullptr;
}

void NavigationController::setViewControllers(std::vector<std::shared_ptr<ViewController>> controllers) {
    for (const auto& controller : stack_) release(*controller);
    stack_.clear();
    for (auto& controller : controllers) {
        if (!controller) continue;
        adopt(*controller);
        stack_.push_back(std::move(controller));
    }
    showTop();
}

void NavigationController::pushViewController(std::shared_ptr<ViewController> controller) {
    if (!controller) return;
    adopt(*controller);
    stack_.push_back(std::move(controller));
    showTop();
}

std::shared_ptr<ViewController> NavigationController::popViewController() {
    if (stack_.size() <= 1) return nullptr;
    std::shared_ptr<ViewController> top = stack_.back();
    stack_.pop_back();
    showTop();
    release(*top);
    return top;
}

void NavigationController::loadView() {
    auto container = std::make_shared<View>();
    container->setBackgroundColor(gfx::Color::white());
    setView(container);
    bar_ = std::make_shared<NavigationBar>(*this);
    bar_->setTranslatesAutoresizingMaskIntoConstraints(false);
    container->addSubview(bar_);
    bar_->topAnchor().constraintEqualTo(container->safeAreaLayoutGuide().topAnchor()).activate();
    bar_->leadingAnchor().constraintEqualTo(container->leadingAnchor()).activate();
    bar_->trailingAnchor().constraintEqualTo(container->trailingAnchor()).activate();
    bar_->heightAnchor().constraintEqualToConstant(NavigationBar::height).activate();
    showTop();
}

void NavigationController::showTop() {
    if (!isViewLoaded()) return;  // loadView shows the top one
    ViewController* top = topViewController();
    if (shown_ != nullptr && shown_ != top) {
        shown_->navigationItem().setChangeHandler(nullptr);
        if (shown_->isViewLoaded()) shown_->view()->removeFromSuperview();
    }
    shown_ = top;
    const std::shared_ptr<View>& container = view();
    if (top != nullptr && top->view()->superview() != container.get()) {
        const std::shared_ptr<View>& content = top->view();
        content->setTranslatesAutoresizingMaskIntoConstraints(false);
        container->addSubview(content);
        container->addSubview(bar_);  // the bar stays in front
        content->topAnchor().constraintEqualTo(container->topAnchor()).activate();
        content->bottomAnchor().constraintEqualTo(container->bottomAnchor()).activate();
        content->leadingAnchor().constraintEqualTo(container->leadingAnchor()).activate();
        content->trailingAnchor().constraintEqualTo(container->trailingAnchor()).activate();
        EdgeInsets insets = container->safeAreaInsets();
        insets.top += NavigationBar::height;
        content->setSafeAreaInsets(insets);
    }
    if (top != nullptr) {
        top->navigationItem().setChangeHandler([this] {
            if (ViewController* shown = topViewController()) bar_->update(shown->navigationItem(), stack_.size() > 1);
        });
        bar_->update(top->navigationItem(), stack_.size() > 1);
    } else {
        bar_->update(NavigationItem{}, false);
    }
}

}  // namespace ui

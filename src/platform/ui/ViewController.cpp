#include "platform/ui/ViewController.h"

#include "platform/ui/NavigationController.h"
#include "platform/ui/Storyboard.h"
#include "platform/ui/View.h"
#include "platform/ui/Warnings.h"

namespace ui {

ViewController::~ViewController() {
    if (view_ && view_->viewController_ == this) view_->viewController_ = nullptr;
}

const std::shared_ptr<View>& ViewController::view() {
    if (!view_) {
        loadView();
        if (!view_) setView(std::make_shared<View>());
        viewDidLoad();
    }
    return view_;
}

void ViewController::loadView() {
    auto view = std::make_shared<View>();
    view->setBackgroundColor(gfx::Color::white());
    setView(std::move(view));
}

void ViewController::setView(std::shared_ptr<View> view) {
    if (view_ && view_->viewController_ == this) view_->viewController_ = nullptr;
    view_ = std::move(view);
    if (view_) view_->viewController_ = this;
}

NavigationController* ViewController::navigationController() const {
    for (ViewController* controller = parent_; controller != nullptr; controller = controller->parent_) {
        if (auto* navigation = dynamic_cast<NavigationController*>(controller)) return navigation;
    }
    return nullptr;
}

void ViewController::setStoryboardScene(std::shared_ptr<const Storyboard> storyboard, std::string sceneIdentifier) {
    storyboard_ = std::move(storyboard);
    sceneIdentifier_ = std::move(sceneIdentifier);
}

void ViewController::performSegue(const std::string& identifier, Object* sender) {
    if (!storyboard_) {
        warn("segue \"" + identifier + "\" not performed: the view controller has no storyboard scene");
        return;
    }
    NavigationController* navigation = navigationController();
    if (navigation == nullptr) {
        warn("segue \"" + identifier + "\" not performed: scene \"" + sceneIdentifier_ +
             "\" is not in a navigation controller");
        return;
    }
    std::shared_ptr<ViewController> destination =
        storyboard_->instantiateSegueDestination(sceneIdentifier_, identifier);
    if (!destination) return;  // the storyboard has said why
    if (dynamic_cast<NavigationController*>(destination.get()) != nullptr) {
        warn("segue \"" + identifier +
             "\" not performed: its destination is a navigation controller, which cannot be pushed onto another");
        return;
    }
    StoryboardSegue segue(identifier, *this, destination);
    prepare(segue, sender);
    navigation->pushViewController(destination);
}

Responder* ViewController::nextResponder() const {
    if (view_ && view_->superview() != nullptr) return view_->superview();
    return parent_;
}

}  // namespace ui

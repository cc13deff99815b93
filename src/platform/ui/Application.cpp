#include "platform/ui/Application.h"

#include "platform/ui/Screen.h"
#include "platform/ui/Storyboard.h"

namespace ui {

namespace {

Application*& current() {
    static Application* application = nullptr;
    return application;
}

}  // namespace

Application::Application(std::shared_ptr<ApplicationDelegate> delegate) : delegate_(std::move(delegate)) {
    if (!delegate_) delegate_ = std::make_shared<ApplicationDelegate>();
    current() = this;
}

Application::~Application() {
    if (current() == this) current() = nullptr;
}

Application* Application::shared() {
    return current();
}

bool Application::launch(const std::filesystem::path& storyboardFile, std::string& error) {
    const std::shared_ptr<Storyboard> storyboard = Storyboard::fromFile(storyboardFile, error);
    if (!storyboard) return false;
    std::shared_ptr<ViewController> root = storyboard->instantiateInitial();
    if (!root) {
        error = "the storyboard's initial scene \"" + storyboard->initialScene() + "\" could not be made";
        return false;
    }
    auto window = std::make_shared<Window>(Screen::main().bounds());
    window->setRootViewController(std::move(root));
    delegate_->window = std::move(window);
    if (!delegate_->didFinishLaunching(*this)) {
        error = "the application delegate stopped the launch";
        return false;
    }
    return true;
}

void Application::terminate() {
    if (terminated_) return;
    terminated_ = true;
    delegate_->willTerminate(*this);
}

}  // namespace ui

#pragma once
// The running app: its delegate and its window. Launching loads the
// storyboard, makes a window of the main screen's size showing the
// storyboard's initial scene, hands the window to the delegate and tells the
// delegate that launching has finished. A host then feeds the window events
// and shows what it draws.

#include <filesystem>
#include <memory>
#include <string>

#include "platform/ui/ApplicationDelegate.h"
#include "platform/ui/Window.h"

namespace ui {

class Application : public Responder {
public:
    explicit Application(std::shared_ptr<ApplicationDelegate> delegate);
    ~Application() override;

    // The application of this process while one exists.
    static Application* shared();

    ApplicationDelegate& delegate() const { return *delegate_; }
    Window* window() const { return delegate_->window.get(); }

    // False, with the reason in `error`, when the storyboard cannot be read,
    // its initial scene cannot be made, or the delegate declines.
    bool launch(const std::filesystem::path& storyboardFile, std::string& error);

    // Tells the delegate (once) that the app ends.
    void terminate();

    Responder* nextResponder() const override { return delegate_.get(); }

private:
    std::shared_ptr<ApplicationDelegate> delegate_;
    bool terminated_ = false;
};

}  // namespace ui

#pragma once
// Manages one screen: a root view, made on first use (loadView, then
// viewDidLoad), a title and a navigation item for the bar, and the segues of
// its storyboard scene.
//
// A view controller made by a storyboard knows its scene, so that
// performSegue can find the segue with an identifier, make its destination
// and show it (pushed onto the navigation controller), after prepare() has
// had its say.

#include <memory>
#include <string>

#include "platform/ui/NavigationItem.h"
#include "platform/ui/Responder.h"
#include "platform/ui/StoryboardSegue.h"

namespace ui {

class NavigationController;
class Storyboard;
class View;

class ViewController : public Responder {
public:
    ViewController() = default;
    ~ViewController() override;

    // The root view, loaded on first use.
    const std::shared_ptr<View>& view();
    bool isViewLoaded() const { return view_ != nullptr; }

    std::string title() const { return navigationItem_.title(); }
    void setTitle(std::string title) { navigationItem_.setTitle(std::move(title)); }
    NavigationItem& navigationItem() { return navigationItem_; }

    // The navigation controller this view controller is in, if any.
    NavigationController* navigationController() const;
    ViewController* parent() const { return parent_; }

    // Performs the segue with this identifier from this view controller's
    // scene. Prints a message and does nothing when there is no such segue.
    void performSegue(const std::string& identifier, Object* sender);
    // Called before a segue's destination is shown. Does nothing here.
    virtual void prepare(StoryboardSegue& segue, Object* sender) {}

    // The storyboard and scene that made this view controller (none when it
    // was made in code).
    const std::shared_ptr<const Storyboard>& storyboard() const { return storyboard_; }
    const std::string& sceneIdentifier() const { return sceneIdentifier_; }
    void setStoryboardScene(std::shared_ptr<const Storyboard> storyboard, std::string sceneIdentifier);

    // The superview of the root view, or else the parent view controller.
    Responder* nextResponder() const override;

protected:
    // Makes the root view; the default is a plain white view.
    virtual void loadView();
    // Called once, right after the root view has been made.
    virtual void viewDidLoad() {}
    // For loadView overrides.
    void setView(std::shared_ptr<View> view);

private:
    friend class NavigationController;

    std::shared_ptr<View> view_;
    NavigationItem navigationItem_;
    ViewController* parent_ = nullptr;
    std::shared_ptr<const Storyboard> storyboard_;
    std::string sceneIdentifier_;
};

}  // namespace ui

#pragma once
// The scenes of the app and the segues between them, read from a JSON file
// (the app's is resources/Main.storyboard.json). A scene names the class of
// its view controller; the app registers a factory for each class name before
// it loads the storyboard. Two classes are built in: "ui.NavigationController"
// (a navigation controller around the scene named by "root") and "ui.Menu"
// (a list of buttons, each performing a segue; see MenuViewController).
//
// The file:
//
//   {
//     "initialScene": "start",                     // the scene the window shows first
//     "scenes": [
//       { "id": "start", "class": "ui.NavigationController", "root": "menu" },
//       { "id": "menu", "class": "ui.Menu", "title": "Methods",
//         "items": [ { "title": "Addition", "segue": "showAddition" } ] },
//       { "id": "addition", "class": "AdditionScreen", "title": "Addition" }
//     ],
//     "segues": [
//       { "identifier": "showAddition", "from": "menu", "to": "addition" }
//     ]
//   }
//
// Scene ids are unique; "title" is optional everywhere; a navigation
// controller's root is a scene that is not itself a navigation controller; a
// segue goes from a scene to a scene, and its identifier is unique among the
// segues of its source scene. A segue shows its destination by pushing it onto
// the source's navigation controller. Every menu item names a segue of its
// own scene.

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ui {

class ViewController;

class Storyboard : public std::enable_shared_from_this<Storyboard> {
public:
    using Factory = std::function<std::shared_ptr<ViewController>()>;

    struct MenuItem {
        std::string title;
        std::string segue;
    };

    struct Scene {
        std::string identifier;
        std::string className;
        std::string title;
        std::string root;             // navigation controllers
        std::vector<MenuItem> items;  // menus
    };

    struct Segue {
        std::string identifier;
        std::string from;
        std::string to;
    };

    // Registers the factory of a scene class (replacing an earlier one).
    static void registerClass(const std::string& className, Factory factory);
    static bool isRegistered(const std::string& className);

    // None, with the reason in `error`, when the text is not a valid storyboard.
    static std::shared_ptr<Storyboard> fromJson(const std::string& text, std::string& error);
    static std::shared_ptr<Storyboard> fromFile(const std::filesystem::path& file, std::string& error);

    const std::string& initialScene() const { return initialScene_; }
    const std::vector<Scene>& scenes() const { return scenes_; }
    const std::vector<Segue>& segues() const { return segues_; }
    const Scene* scene(const std::string& identifier) const;
    const Segue* segue(const std::string& fromScene, const std::string& identifier) const;

    // A new view controller for a scene; null, with a message on stderr, when
    // the scene or its class is unknown.
    std::shared_ptr<ViewController> instantiate(const std::string& sceneIdentifier) const;
    std::shared_ptr<ViewController> instantiateInitial() const { return instantiate(initialScene_); }
    // The destination of a segue, made anew; null, with a message on stderr,
    // when the scene has no such segue.
    std::shared_ptr<ViewController> instantiateSegueDestination(const std::string& fromScene,
                                                                const std::string& identifier) const;

private:
    Storyboard() = default;

    std::string initialScene_;
    std::vector<Scene> scenes_;
    std::vector<Segue> segues_;
};

}  // namespace ui

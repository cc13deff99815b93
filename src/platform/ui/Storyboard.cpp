#include "platform/ui/Storyboard.h"

#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include <nlohmann/json.hpp>

#include "platform/ui/MenuViewController.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/Warnings.h"

namespace ui {

namespace {

const char* const navigationClass = "ui.NavigationController";
const char* const menuClass = "ui.Menu";

std::map<std::string, Storyboard::Factory>& registry() {
    static std::map<std::string, Storyboard::Factory> factories;
    return factories;
}

// Reads a string member; false (with the reason) when it is missing and
// required, or not a string.
bool readString(const nlohmann::json& object, const char* key, bool required, std::string& into,
                const std::string& where, std::string& error) {
    const auto it = object.find(key);
    if (it == object.end()) {
        if (required) error = where + " has no \"" + key + "\"";
        return !required;
    }
    if (!it->is_string()) {
        error = where + ": \"" + key + "\" is not a string";
        return false;
    }
    into = it->get<std::string>();
    return true;
}

bool readItems(const nlohmann::json& object, Storyboard::Scene& scene, const std::string& where, std::string& error) {
    const auto it = object.find("items");
    if (it == object.end()) return true;
    if (!it->is_array()) {
        error = where + ": \"items\" is not a list";
        return false;
    }
    for (std::size_t i = 0; i < it->size(); ++i) {
        const nlohmann::json& entry = (*it)[i];
        const std::string itemWhere = where + ", item " + std::to_string(i + 1);
        if (!entry.is_object()) {
            error = itemWhere + " is not an object";
            return false;
        }
        Storyboard::MenuItem item;
        if (!readString(entry, "title", true, item.title, itemWhere, error)) return false;
        if (!readString(entry, "segue", true, item.segue, itemWhere, error)) return false;
        scene.items.push_back(std::move(item));
    }
    return true;
}

// The scenes of the document, each with a unique id.
bool readScenes(const nlohmann::json& document, std::vector<Storyboard::Scene>& into, std::string& error) {
    const auto scenes = document.find("scenes");
    if (scenes == document.end() || !scenes->is_array()) {
        error = "the storyboard has no list of \"scenes\"";
        return false;
    }
    std::set<std::string> identifiers;
    for (std::size_t i = 0; i < scenes->size(); ++i) {
        const nlohmann::json& entry = (*scenes)[i];
        std::string where = "scene " + std::to_string(i + 1);
        if (!entry.is_object()) {
            error = where + " is not an object";
            return false;
        }
        Storyboard::Scene scene;
        if (!readString(entry, "id", true, scene.identifier, where, error)) return false;
        where = "scene \"" + scene.identifier + "\"";
        if (!readString(entry, "class", true, scene.className, where, error)) return false;
        if (!readString(entry, "title", false, scene.title, where, error)) return false;
        if (!readString(entry, "root", scene.className == navigationClass, scene.root, where, error)) return false;
        if (!readItems(entry, scene, where, error)) return false;
        if (!identifiers.insert(scene.identifier).second) {
            error = "two scenes have the id \"" + scene.identifier + "\"";
            return false;
        }
        into.push_back(std::move(scene));
    }
    return true;
}

// The segues of the document (none when it has no "segues"), each between two
// of the scenes and unique among the segues of its source scene.
bool readSegues(const nlohmann::json& document, const std::vector<Storyboard::Scene>& scenes,
                std::vector<Storyboard::Segue>& into, std::string& error) {
    const auto segues = document.find("segues");
    if (segues == document.end()) return true;
    if (!segues->is_array()) {
        error = "the storyboard's \"segues\" is not a list";
        return false;
    }
    std::set<std::string> identifiers;
    for (const Storyboard::Scene& scene : scenes) identifiers.insert(scene.identifier);
    for (std::size_t i = 0; i < segues->size(); ++i) {
        const nlohmann::json& entry = (*segues)[i];
        const std::string where = "segue " + std::to_string(i + 1);
        if (!entry.is_object()) {
            error = where + " is not an object";
            return false;
        }
        Storyboard::Segue segue;
        if (!readString(entry, "identifier", true, segue.identifier, where, error)) return false;
        if (!readString(entry, "from", true, segue.from, where, error)) return false;
        if (!readString(entry, "to", true, segue.to, where, error)) return false;
        for (const std::string* end : {&segue.from, &segue.to}) {
            if (identifiers.count(*end) == 0) {
                error = "segue \"" + segue.identifier + "\" names the unknown scene \"" + *end + "\"";
                return false;
            }
        }
        for (const Storyboard::Segue& earlier : into) {
            if (earlier.from == segue.from && earlier.identifier == segue.identifier) {
                error = "scene \"" + segue.from + "\" has two segues \"" + segue.identifier + "\"";
                return false;
            }
        }
        into.push_back(std::move(segue));
    }
    return true;
}

// What is wrong with the references between the parts of a storyboard read
// whole: the initial scene, the navigation controllers' roots and the menu
// items' segues. Empty when nothing is.
std::string referenceProblem(const Storyboard& storyboard) {
    if (storyboard.scene(storyboard.initialScene()) == nullptr) {
        return "the initial scene \"" + storyboard.initialScene() + "\" is not among the scenes";
    }
    for (const Storyboard::Scene& scene : storyboard.scenes()) {
        if (scene.className == navigationClass) {
            const Storyboard::Scene* root = storyboard.scene(scene.root);
            if (root == nullptr)
                return "scene \"" + scene.identifier + "\" has the unknown root \"" + scene.root + "\"";
            if (root->className == navigationClass) {
                return "scene \"" + scene.identifier + "\" has a navigation controller as its root";
            }
        }
        for (const Storyboard::MenuItem& item : scene.items) {
            if (storyboard.segue(scene.identifier, item.segue) == nullptr) {
                return "scene \"" + scene.identifier + "\": item \"" + item.title + "\" names the segue \"" +
                       item.segue + "\", which does not leave this scene";
            }
        }
    }
    return {};
}

}  // namespace

void Storyboard::registerClass(const std::string& className, Factory factory) {
    registry()[className] = std::move(factory);
}

bool Storyboard::isRegistered(const std::string& className) {
    return registry().count(className) > 0;
}

std::shared_ptr<Storyboard> Storyboard::fromFile(const std::filesystem::path& file, std::string& error) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        error = "cannot read the storyboard " + file.string();
        return nullptr;
    }
    std::ostringstream text;
    text << in.rdbuf();
    auto storyboard = fromJson(text.str(), error);
    if (!storyboard) error = file.string() + ": " + error;
    return storyboard;
}

std::shared_ptr<Storyboard> Storyboard::fromJson(const std::string& text, std::string& error) {
    const nlohmann::json document = nlohmann::json::parse(text, nullptr, false);
    if (document.is_discarded()) {
        error = "the storyboard is not valid JSON";
        return nullptr;
    }
    if (!document.is_object()) {
        error = "the storyboard is not a JSON object";
        return nullptr;
    }

    std::shared_ptr<Storyboard> storyboard(new Storyboard());
    if (!readString(document, "initialScene", true, storyboard->initialScene_, "the storyboard", error)) {
        return nullptr;
    }
    if (!readScenes(document, storyboard->scenes_, error)) return nullptr;
    if (!readSegues(document, storyboard->scenes_, storyboard->segues_, error)) return nullptr;
    if (std::string problem = referenceProblem(*storyboard); !problem.empty()) {
        error = std::move(problem);
        return nullptr;
    }
    return storyboard;
}

const Storyboard::Scene* Storyboard::scene(const std::string& identifier) const {
    for (const Scene& scene : scenes_) {
        if (scene.identifier == identifier) return &scene;
    }
    return nullptr;
}

const Storyboard::Segue* Storyboard::segue(const std::string& fromScene, const std::string& identifier) const {
    for (const Segue& segue : segues_) {
        if (segue.from == fromScene && segue.identifier == identifier) return &segue;
    }
    return nullptr;
}

std::shared_ptr<ViewController> Storyboard::instantiate(const std::string& sceneIdentifier) const {
    const Scene* found = scene(sceneIdentifier);
    if (found == nullptr) {
        warn("the storyboard has no scene \"" + sceneIdentifier + "\"");
        return nullptr;
    }
    std::shared_ptr<ViewController> controller;
    if (found->className == navigationClass) {
        std::shared_ptr<ViewController> root = instantiate(found->root);
        if (!root) return nullptr;
        controller = std::make_shared<NavigationController>(std::move(root));
    } else if (found->className == menuClass) {
        controller = std::make_shared<MenuViewController>(found->items);
    } else {
        const auto factory = registry().find(found->className);
        if (factory == registry().end() || !factory->second) {
            warn("scene \"" + found->identifier + "\" has the class \"" + found->className +
                 "\", which is not registered");
            return nullptr;
        }
        controller = factory->second();
        if (!controller) {
            warn("the class \"" + found->className + "\" of scene \"" + found->identifier +
                 "\" made no view controller");
            return nullptr;
        }
    }
    if (!found->title.empty()) controller->setTitle(found->title);
    controller->setStoryboardScene(shared_from_this(), found->identifier);
    return controller;
}

std::shared_ptr<ViewController> Storyboard::instantiateSegueDestination(const std::string& fromScene,
                                                                        const std::string& identifier) const {
    const Segue* found = segue(fromScene, identifier);
    if (found == nullptr) {
        warn("scene \"" + fromScene + "\" has no segue \"" + identifier + "\"");
        return nullptr;
    }
    return instantiate(found->to);
}

}  // namespace ui

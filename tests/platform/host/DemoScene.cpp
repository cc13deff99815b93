#include "DemoScene.h"

#include <fstream>

#include "platform/ui/Button.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/Storyboard.h"
#include "platform/ui/View.h"

namespace host::testing {

void CounterScreen::viewDidLoad() {
    ui::View& root = *view();
    const ui::LayoutGuide guide = root.safeAreaLayoutGuide();

    countLabel_ = std::make_shared<ui::Label>();
    countLabel_->setFont(gfx::Font::system(40.0, gfx::FontWeight::bold()));
    countLabel_->setTextAlignment(ui::TextAlignment::center);
    countLabel_->setTranslatesAutoresizingMaskIntoConstraints(false);
    root.addSubview(countLabel_);
    countLabel_->topAnchor().constraintEqualTo(guide.topAnchor(), 40).activate();
    countLabel_->centerXAnchor().constraintEqualTo(guide.centerXAnchor()).activate();

    auto key = std::make_shared<ui::Button>();
    key->setTitle("Add one");
    key->setBackgroundColor(gfx::Color::lightGray());
    key->addTarget(nullptr, "addOneWithSender:");
    key->setTranslatesAutoresizingMaskIntoConstraints(false);
    root.addSubview(key);
    auto cover = std::make_shared<ui::Label>();
    cover->setText("➕ one");
    cover->setFont(gfx::Font::system(30.0));
    cover->setBackgroundColor(gfx::Color::green());
    cover->setTextAlignment(ui::TextAlignment::center);
    cover->setTranslatesAutoresizingMaskIntoConstraints(false);
    root.addSubview(cover);
    key->topAnchor().constraintEqualTo(countLabel_->bottomAnchor(), 40).activate();
    key->leadingAnchor().constraintEqualTo(guide.leadingAnchor(), 40).activate();
    key->trailingAnchor().constraintEqualTo(guide.trailingAnchor(), -40).activate();
    key->heightAnchor().constraintEqualTo(key->widthAnchor(), ui::Multiplier{0.25}).activate();
    cover->topAnchor().constraintEqualTo(key->topAnchor()).activate();
    cover->bottomAnchor().constraintEqualTo(key->bottomAnchor()).activate();
    cover->leadingAnchor().constraintEqualTo(key->leadingAnchor()).activate();
    cover->trailingAnchor().constraintEqualTo(key->trailingAnchor()).activate();

    navigationItem().setRightBarButtonItems({std::make_shared<ui::BarButtonItem>("Reset", this, "resetWithSender:")});
    show();
}

bool CounterScreen::handleAction(const std::string& action, ui::Object* sender) {
    if (action == "addOneWithSender:") {
        ++count_;
    } else if (action == "resetWithSender:") {
        count_ = 0;
    } else {
        return false;
    }
    show();
    return true;
}

void CounterScreen::show() {
    countLabel_->setText("Taps: " + std::to_string(count_));
}

std::filesystem::path writeDemoStoryboard(const std::filesystem::path& folder) {
    ui::Storyboard::registerClass("Demo.Counter", [] { return std::make_shared<CounterScreen>(); });
    std::filesystem::create_directories(folder);
    const std::filesystem::path file = folder / "Demo.storyboard.json";
    std::ofstream(file) << R"({
      "initialScene": "start",
      "scenes": [
        { "id": "start", "class": "ui.NavigationController", "root": "menu" },
        { "id": "menu", "class": "ui.Menu", "title": "Demo",
          "items": [ { "title": "Open counter", "segue": "toCounter" } ] },
        { "id": "counter", "class": "Demo.Counter", "title": "Counter" }
      ],
      "segues": [ { "identifier": "toCounter", "from": "menu", "to": "counter" } ]
    })";
    return file;
}

}  // namespace host::testing

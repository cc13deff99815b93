#pragma once
// A small demo app for the host tests: a menu that opens a counter screen. The
// counter's "Add one" key lies under a label (taps go through to it) and
// counts up; its "Reset" bar button sets the count back to 0.

#include <filesystem>
#include <memory>
#include <string>

#include "platform/ui/ApplicationDelegate.h"
#include "platform/ui/Label.h"
#include "platform/ui/ViewController.h"

namespace host::testing {

class CounterScreen : public ui::ViewController {
public:
    int count() const { return count_; }
    bool handleAction(const std::string& action, ui::Object* sender) override;

protected:
    void viewDidLoad() override;

private:
    void show();

    int count_ = 0;
    std::shared_ptr<ui::Label> countLabel_;
};

// Registers the demo's scene class and writes its storyboard into `folder`.
std::filesystem::path writeDemoStoryboard(const std::filesystem::path& folder);

}  // namespace host::testing

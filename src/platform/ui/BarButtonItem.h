#pragma once
// A titled button for a navigation bar. A tap on it sends its action to its
// target, or, without a target, up the responder chain from the view
// controller shown under the bar.

#include <optional>
#include <string>

#include "platform/ui/Responder.h"

namespace ui {

class BarButtonItem : public Object {
public:
    BarButtonItem(std::optional<std::string> title, Responder* target, std::string action)
        : title_(std::move(title)), target_(target), action_(std::move(action)) {}

    const std::optional<std::string>& title() const { return title_; }
    Responder* target() const { return target_; }
    const std::string& action() const { return action_; }

    // Sends the action as a tap on the item would; true when it was taken.
    bool sendAction(Responder& from) { return ui::sendAction(action_, target_, from, this); }

private:
    std::optional<std::string> title_;
    Responder* target_ = nullptr;
    std::string action_;
};

}  // namespace ui

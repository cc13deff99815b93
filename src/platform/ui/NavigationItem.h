#pragma once
// What a view controller shows in the navigation bar while it is on top: its
// title and the bar button items at the right end (the first item at the
// right edge, the others leftwards in order).

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/BarButtonItem.h"

namespace ui {

class NavigationItem {
public:
    const std::string& title() const { return title_; }
    void setTitle(std::string title) {
        title_ = std::move(title);
        changed();
    }

    const std::vector<std::shared_ptr<BarButtonItem>>& rightBarButtonItems() const { return rightItems_; }
    void setRightBarButtonItems(std::vector<std::shared_ptr<BarButtonItem>> items) {
        rightItems_ = std::move(items);
        changed();
    }

    // For the navigation controller: called whenever the item changes.
    void setChangeHandler(std::function<void()> handler) { onChange_ = std::move(handler); }

private:
    void changed() {
        if (onChange_) onChange_();
    }

    std::string title_;
    std::vector<std::shared_ptr<BarButtonItem>> rightItems_;
    std::function<void()> onChange_;
};

}  // namespace ui

#pragma once
// A segue on its way: from the view controller that performs it to the new
// view controller it shows. The source prepares the destination in
// ViewController::prepare before the destination is shown.

#include <memory>
#include <string>

namespace ui {

class ViewController;

class StoryboardSegue {
public:
    StoryboardSegue(std::string identifier, ViewController& source, std::shared_ptr<ViewController> destination)
        : identifier_(std::move(identifier)), source_(&source), destination_(std::move(destination)) {}

    const std::string& identifier() const { return identifier_; }
    ViewController& source() const { return *source_; }
    ViewController& destination() const { return *destination_; }
    const std::shared_ptr<ViewController>& destinationPointer() const { return destination_; }

private:
    std::string identifier_;
    ViewController* source_;
    std::shared_ptr<ViewController> destination_;
};

}  // namespace ui

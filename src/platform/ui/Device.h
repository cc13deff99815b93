#pragma once
// The device the app runs as: its model name ("iPhone" unless the host's
// command line picks another device).

#include <string>

namespace ui {

class Device {
public:
    static Device& current();

    const std::string& model() const { return model_; }
    void setModel(std::string model) { model_ = std::move(model); }

private:
    Device() = default;
    std::string model_ = "iPhone";
};

}  // namespace ui

#include "platform/ui/Warnings.h"

#include <cstdio>

namespace ui {

namespace {

std::string& nameStorage() {
    static std::string name = "app";
    return name;
}

}  // namespace

void setApplicationName(std::string name) {
    nameStorage() = std::move(name);
}

const std::string& applicationName() {
    return nameStorage();
}

void warn(const std::string& message) {
    std::fprintf(stderr, "%s: %s\n", nameStorage().c_str(), message.c_str());
}

}  // namespace ui

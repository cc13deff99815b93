#include "platform/ui/Bundle.h"

#include <cctype>
#include <cstdlib>
#include <system_error>

#include "platform/ui/Warnings.h"

namespace ui {

namespace {

bool isFolder(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

// NAME_RESOURCES for the application's name.
std::string resourcesVariable() {
    std::string variable;
    for (const char c : applicationName()) variable += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return variable + "_RESOURCES";
}

}  // namespace

std::optional<std::filesystem::path> Bundle::locateResources() {
    if (const char* env = std::getenv(resourcesVariable().c_str()); env != nullptr && env[0] != '\0') {
        if (isFolder(env)) return std::filesystem::path(env);
    }
    std::error_code ec;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return std::nullopt;
    const std::filesystem::path folder = executable.parent_path();
    for (const std::filesystem::path& candidate :
         {folder / "resources", folder.parent_path() / "share" / applicationName() / "resources"}) {
        if (isFolder(candidate)) return candidate.lexically_normal();
    }
    return std::nullopt;
}

Bundle& Bundle::main() {
    static Bundle bundle(locateResources().value_or(std::filesystem::path{}));
    return bundle;
}

std::optional<std::filesystem::path> Bundle::urlForResource(const std::string& name,
                                                            const std::string& extension) const {
    if (folder_.empty() || name.empty()) return std::nullopt;
    std::filesystem::path file = folder_ / name;
    if (!extension.empty()) file += "." + extension;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return std::nullopt;
    return file;
}

}  // namespace ui

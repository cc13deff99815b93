#pragma once
// The app's resources (the storyboard, the guide PDFs): a folder found, in
// this order, from the environment variable NAME_RESOURCES, beside the
// executable ("resources", as in the build tree), or in the install tree
// ("../share/name/resources" from the executable's folder). name is the
// application's name of Warnings.h, NAME the same in capitals.

#include <filesystem>
#include <optional>
#include <string>

namespace ui {

class Bundle {
public:
    // The app's resources, located on first use.
    static Bundle& main();
    // Where the resources are; none when no candidate folder exists.
    static std::optional<std::filesystem::path> locateResources();

    explicit Bundle(std::filesystem::path resourcesFolder) : folder_(std::move(resourcesFolder)) {}

    // Empty when no resources folder was found.
    const std::filesystem::path& resourcePath() const { return folder_; }

    // The file "name.extension" among the resources, when it exists.
    std::optional<std::filesystem::path> urlForResource(const std::string& name, const std::string& extension) const;

private:
    std::filesystem::path folder_;
};

}  // namespace ui

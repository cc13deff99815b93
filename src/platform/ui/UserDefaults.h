#pragma once
// Preferences: integers by key, kept in a JSON object in a file
// ($XDG_CONFIG_HOME/NAME/preferences.json, or ~/.config/NAME/preferences.json,
// NAME the application's name of Warnings.h; the host's command line may name
// another file). The file is read once, when the preferences are first used;
// each change writes the whole file anew, atomically (a temporary file beside
// it, then renamed over it).
//
// A missing, unreadable or corrupt file reads as no values; a key never set
// reads 0. A file that cannot be written leaves the values in memory and says
// so on stderr. Members of the file that are not integers are kept as they are.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include <nlohmann/json_fwd.hpp>

namespace ui {

class UserDefaults {
public:
    // The preferences of the app, read from standardFile().
    static UserDefaults& standard();
    // Where the standard preferences live; setting it (before first use, or
    // to start over from another file) reloads them.
    static std::filesystem::path standardFile();
    static void setStandardFile(std::filesystem::path file);
    // The default place, from the environment; empty when neither
    // XDG_CONFIG_HOME nor a home folder is known.
    static std::filesystem::path defaultFile();

    // Preferences kept in the given file (none: kept in memory only).
    explicit UserDefaults(std::filesystem::path file);
    ~UserDefaults();
    UserDefaults(const UserDefaults&) = delete;
    UserDefaults& operator=(const UserDefaults&) = delete;

    const std::filesystem::path& file() const { return file_; }

    // 0 when the key has no integer value.
    std::int64_t integerForKey(const std::string& key) const;
    // Stores the value and writes the file; false when the file could not be
    // written (the value is kept in memory all the same).
    bool setInteger(std::int64_t value, const std::string& key);

private:
    void load();
    bool save() const;

    std::filesystem::path file_;
    std::unique_ptr<nlohmann::json> values_;  // always an object
};

}  // namespace ui

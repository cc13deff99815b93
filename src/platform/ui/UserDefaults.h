#pragma once
// Preferences: integers by key, kept in a JSON object in a file
// ($XDG_CONFIG_HOME/NAME/preferences.json, or ~/.config/NAME/preferences.json,
// NAME the application's name of Warnings.h; the host's command line may name
// another file). The file is read once, when the preferences are first used;
// each change writes the whole file anew, atomically (a temporary file beside
// it, then renamed over it). A symbolic link is followed: the file it names is
// the one replaced. Temporary files left by processes that no longer exist
// are removed when the preferences are saved.
//
// A key never set reads 0, and so does every key of a file that is missing or
// cannot be used; the app runs on with its values in memory. Nothing the app
// cannot read is ever destroyed:
// - a file that cannot be read (no permission; a device, FIFO, socket or
//   directory; larger than kMaxPreferencesFileSize; nested deeper than
//   kMaxPreferencesNesting) is left alone and never written: the values stay
//   in memory, and one line on stderr says so;
// - a file that reads but is not a JSON object is moved aside to
//   "preferences.json.corrupt" (or "...corrupt-2", ...) before the first save
//   writes a new one, and stderr says where it went; an empty one holds
//   nothing and is simply replaced.
// A file that cannot be written leaves the values in memory and says so on
// stderr, and so do preferences that would make a file larger than
// kMaxPreferencesFileSize (the file is written compact, and a save never
// writes what the next start would refuse: the old file stays). A failure is
// said once: saves that fail again the same way (as each of the several
// values that one choice of the app sets) say nothing more, until a save
// succeeds or fails for another reason. A byte-order mark that leads the
// file is read past and not written back. Members of the file that the app
// does not use are kept as they are written, numbers wider than 64 bits or
// beyond a double's range included. A file that is replaced keeps its
// permissions and, where the process may set them, its owner and group.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/ui/PreferencesText.h"

namespace ui {

inline constexpr std::size_t kMaxPreferencesFileSize = 1024 * 1024;
// The file holds a flat object; members the app does not know may hold a
// little structure of their own.
inline constexpr int kMaxPreferencesNesting = 32;

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
    // What a save must do with the file that was read.
    enum class FileState {
        replace,    // missing, or read as preferences: write over it
        moveAside,  // not a JSON object: keep it under another name first
        leaveAlone  // could not be read: never write over it
    };

    void load();
    bool save();
    // Says why a save failed, unless the save before failed for the same
    // cause (the message itself where no cause is given); false.
    bool failed(const std::string& message, const std::string& cause = {});

    std::filesystem::path file_;
    FileState state_ = FileState::replace;
    PreferencesMembers members_;
    // The cause of the last failed save; empty after a save that succeeded.
    std::string lastFailure_;
};

}  // namespace ui

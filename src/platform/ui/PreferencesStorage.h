#pragma once
// The file operations under the preferences: reading a file without ever
// blocking or reading without end, finding what a save may replace, writing a
// whole new file in its place atomically, moving a file aside, and clearing
// the temporary files that killed processes left behind.
//
// Only regular files are read or replaced. A symbolic link is followed to the
// file it names, and that file is what gets replaced. Devices, FIFOs,
// sockets and directories are refused with a reason fit for a message.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace ui {

struct PreferencesRead {
    enum class Status { missing, read, refused };
    Status status = Status::missing;
    std::string text;     // read: the whole file
    std::string problem;  // refused: why, as in "is a FIFO, not a regular file"
};

// Reads a regular file of at most `limit` bytes. A path that does not exist
// (or whose folder does not) is missing; anything else that cannot be read
// whole is refused.
PreferencesRead readPreferencesFile(const std::filesystem::path& path, std::size_t limit);

struct PreferencesTarget {
    std::filesystem::path path;  // the file to replace; empty when refused
    std::string problem;         // why the path cannot be written
};

// The file a save of `path` replaces: the path with its symbolic links
// followed (a link to nothing yet names the file to make). Refused when that
// is not a regular file or the links loop.
PreferencesTarget preferencesTarget(const std::filesystem::path& path);

// The temporary file a process writes beside `target` while saving.
std::filesystem::path temporaryFileFor(const std::filesystem::path& target, long pid);

// Writes text to a temporary file beside `target`, flushes it to disk and
// renames it over `target`; on failure nothing but `target` as it was is left.
// An existing target keeps its permissions, and its owner and group where
// the process may set them.
bool replaceFileAtomically(const std::filesystem::path& target, const std::string& text, std::string& problem);

// Moves `file` to the first free name of "file.suffix", "file.suffix-2", ...
// beside it, never over another file; none (with the reason) on failure.
std::optional<std::filesystem::path> moveFileAside(const std::filesystem::path& file, const std::string& suffix,
                                                   std::string& problem);

// Removes the regular files "target.tmp-PID" beside `target` whose process no
// longer exists.
void removeStaleTemporaryFiles(const std::filesystem::path& target);

}  // namespace ui

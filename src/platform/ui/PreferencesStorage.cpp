#include "platform/ui/PreferencesStorage.h"

#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ui {

namespace fs = std::filesystem;

namespace {

// Symbolic links followed before a chain counts as a loop (as the kernel's
// own limit).
constexpr int kMaxLinkHops = 40;

std::string errorText(int error) {
    return std::strerror(error);
}

// "a FIFO", "a directory", ...: what a file that is not regular is.
std::string kindOf(mode_t mode) {
    if (S_ISDIR(mode)) return "a directory";
    if (S_ISFIFO(mode)) return "a FIFO";
    if (S_ISSOCK(mode)) return "a socket";
    if (S_ISCHR(mode)) return "a character device";
    if (S_ISBLK(mode)) return "a block device";
    return "not a regular file";
}

std::string notRegular(mode_t mode) {
    const std::string kind = kindOf(mode);
    return kind.starts_with("not") ? "is " + kind : "is " + kind + ", not a regular file";
}

// The folder a file stands in, for calls that need a folder name.
fs::path folderOf(const fs::path& file) {
    const fs::path folder = file.parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    // Closes now, reporting the error of close.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool writeAll(int fd, const std::string& text) {
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// Gives the new file the owner and group of the one it replaces, as far as
// the process may: root sets both, an owner at least the group when it is
// one of the owner's; false when neither could be kept (the file is then the
// process's). Done before the mode is set, as a change of owner clears the
// set-id bits.
bool keepOwner(int fd, const struct stat& replaced) {
    if (::fchown(fd, replaced.st_uid, replaced.st_gid) == 0) return true;
    return ::fchown(fd, static_cast<uid_t>(-1), replaced.st_gid) == 0;
}

// The process id of a temporary file name "NAME.tmp-PID"; none for any other name.
std::optional<long> temporaryFilePid(const std::string& name, const std::string& prefix) {
    if (!name.starts_with(prefix) || name.size() == prefix.size()) return std::nullopt;
    const char* first = name.data() + prefix.size();
    const char* last = name.data() + name.size();
    long pid = 0;
    const auto [end, error] = std::from_chars(first, last, pid);
    if (error != std::errc{} || end != last || pid <= 0) return std::nullopt;
    return pid;
}

bool processExists(long pid) {
    // EPERM: it exists but belongs to someone else.
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH;
}

}  // namespace

PreferencesRead readPreferencesFile(const fs::path& path, std::size_t limit) {
    PreferencesRead result;
    auto refuse = [&](std::string problem) {
        result.status = PreferencesRead::Status::refused;
        result.problem = std::move(problem);
        return result;
    };
    // Look before opening: opening a device or a FIFO can block or act.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return result;
        return refuse("cannot be read: " + errorText(errno));
    }
    if (!S_ISREG(info.st_mode)) return refuse(notRegular(info.st_mode));

    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) {
        if (errno == ENOENT) return result;
        return refuse("cannot be read: " + errorText(errno));
    }
    // It may have been swapped for something else since the look.
    if (::fstat(fd.get(), &info) != 0) return refuse("cannot be read: " + errorText(errno));
    if (!S_ISREG(info.st_mode)) return refuse(notRegular(info.st_mode));

    const std::string tooLarge = "is larger than " + std::to_string(limit) + " bytes";
    if (static_cast<std::size_t>(info.st_size) > limit) return refuse(tooLarge);
    std::string text;
    char buffer[8192];
    while (true) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            return refuse("cannot be read: " + errorText(errno));
        }
        if (n == 0) break;
        if (text.size() + static_cast<std::size_t>(n) > limit) return refuse(tooLarge);  // it grew
        text.append(buffer, static_cast<std::size_t>(n));
    }
    result.status = PreferencesRead::Status::read;
    result.text = std::move(text);
    return result;
}

PreferencesTarget preferencesTarget(const fs::path& path) {
    fs::path resolved = path;
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(resolved.c_str(), &info) != 0) {
            if (errno == ENOENT) return {resolved, {}};  // made by the save
            return {{}, "cannot be examined: " + errorText(errno)};
        }
        if (S_ISREG(info.st_mode)) return {resolved, {}};
        if (!S_ISLNK(info.st_mode)) return {{}, notRegular(info.st_mode)};
        std::error_code ec;
        const fs::path target = fs::read_symlink(resolved, ec);
        if (ec) return {{}, "cannot be examined: " + ec.message()};
        resolved = target.is_absolute() ? target : resolved.parent_path() / target;
    }
    return {{}, "is a chain of symbolic links that loops or runs too long"};
}

fs::path temporaryFileFor(const fs::path& target, long pid) {
    fs::path temporary = target;
    temporary += ".tmp-" + std::to_string(pid);
    return temporary;
}

bool replaceFileAtomically(const fs::path& target, const std::string& text, std::string& problem) {
    const fs::path temporary = temporaryFileFor(target, static_cast<long>(::getpid()));
    ::unlink(temporary.c_str());  // left by an earlier process with this id
    mode_t mode = 0644;
    struct stat info {};
    const bool replacing = ::stat(target.c_str(), &info) == 0 && S_ISREG(info.st_mode);
    if (replacing) mode = info.st_mode & 07777;

    FileDescriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (fd.get() < 0) {
        problem = errorText(errno);
        return false;
    }
    if (replacing) keepOwner(fd.get(), info);
    const bool written = writeAll(fd.get(), text) && ::fchmod(fd.get(), mode) == 0 && ::fsync(fd.get()) == 0;
    const int writeError = errno;
    if (!fd.close() || !written) {
        problem = errorText(written ? errno : writeError);
        ::unlink(temporary.c_str());
        return false;
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        problem = errorText(errno);
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

std::optional<fs::path> moveFileAside(const fs::path& file, const std::string& suffix, std::string& problem) {
    constexpr int kMaxTries = 1000;
    for (int n = 1; n <= kMaxTries; ++n) {
        fs::path aside = file;
        aside += "." + suffix + (n == 1 ? std::string() : "-" + std::to_string(n));
        // A hard link never replaces an existing name; then the old name goes.
        if (::link(file.c_str(), aside.c_str()) == 0) {
            if (::unlink(file.c_str()) != 0) {
                problem = errorText(errno);
                ::unlink(aside.c_str());
                return std::nullopt;
            }
            return aside;
        }
        if (errno == EEXIST) continue;
        if (errno != EPERM && errno != EOPNOTSUPP && errno != EXDEV) {
            problem = errorText(errno);
            return std::nullopt;
        }
        // A file system without hard links: rename, having looked first.
        struct stat info {};
        if (::lstat(aside.c_str(), &info) == 0) continue;
        if (::rename(file.c_str(), aside.c_str()) == 0) return aside;
        problem = errorText(errno);
        return std::nullopt;
    }
    problem = "every name beside it is taken";
    return std::nullopt;
}

void removeStaleTemporaryFiles(const fs::path& target) {
    const std::string prefix = target.filename().string() + ".tmp-";
    const long own = static_cast<long>(::getpid());
    std::error_code ec;
    for (fs::directory_iterator it(folderOf(target), ec), end; !ec && it != end; it.increment(ec)) {
        const std::optional<long> pid = temporaryFilePid(it->path().filename().string(), prefix);
        if (!pid || *pid == own || processExists(*pid)) continue;
        struct stat info {};
        if (::lstat(it->path().c_str(), &info) == 0 && S_ISREG(info.st_mode)) ::unlink(it->path().c_str());
    }
}

}  // namespace ui

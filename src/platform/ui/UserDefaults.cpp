#include "platform/ui/UserDefaults.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <limits>
#include <memory>
#include <optional>
#include <sstream>

#include <fcntl.h>
#include <nlohmann/json.hpp>
#include <pwd.h>
#include <unistd.h>

#include "platform/ui/Warnings.h"

namespace ui {

namespace {

std::optional<std::filesystem::path>& standardFileOverride() {
    static std::optional<std::filesystem::path> file;
    return file;
}

std::unique_ptr<UserDefaults>& standardInstance() {
    static std::unique_ptr<UserDefaults> instance;
    return instance;
}

// Writes all of text to a new file and flushes it to disk.
bool writeFile(const std::filesystem::path& path, const std::string& text, std::string& reason) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        reason = std::strerror(errno);
        return false;
    }
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            reason = std::strerror(errno);
            ::close(fd);
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        reason = std::strerror(errno);
        return false;
    }
    return true;
}

}  // namespace

std::filesystem::path UserDefaults::defaultFile() {
    std::filesystem::path base;
    const char* config = std::getenv("XDG_CONFIG_HOME");
    // XDG_CONFIG_HOME counts only when it is an absolute path.
    if (config != nullptr && config[0] == '/') {
        base = config;
    } else {
        const char* home = std::getenv("HOME");
        if (home == nullptr || home[0] == '\0') {
            const passwd* entry = ::getpwuid(::getuid());
            home = entry != nullptr ? entry->pw_dir : nullptr;
        }
        if (home == nullptr || home[0] == '\0') return {};
        base = std::filesystem::path(home) / ".config";
    }
    return base / applicationName() / "preferences.json";
}

std::filesystem::path UserDefaults::standardFile() {
    return standardFileOverride() ? *standardFileOverride() : defaultFile();
}

void UserDefaults::setStandardFile(std::filesystem::path file) {
    standardFileOverride() = std::move(file);
    standardInstance().reset();
}

UserDefaults& UserDefaults::standard() {
    if (!standardInstance()) standardInstance() = std::make_unique<UserDefaults>(standardFile());
    return *standardInstance();
}

UserDefaults::UserDefaults(std::filesystem::path file)
    : file_(std::move(file)), values_(std::make_unique<nlohmann::json>(nlohmann::json::object())) {
    load();
}

UserDefaults::~UserDefaults() = default;

void UserDefaults::load() {
    if (file_.empty()) return;
    std::error_code ec;
    if (!std::filesystem::exists(file_, ec)) return;  // nothing saved yet
    std::ifstream in(file_, std::ios::binary);
    if (!in) {
        warn("cannot read the preferences file " + file_.string() + "; starting with no preferences");
        return;
    }
    std::ostringstream text;
    text << in.rdbuf();
    nlohmann::json document = nlohmann::json::parse(text.str(), nullptr, false);
    if (document.is_discarded() || !document.is_object()) {
        warn("the preferences file " + file_.string() +
             " is not a JSON object; starting with no preferences (the file is replaced when they are next saved)");
        return;
    }
    *values_ = std::move(document);
}

std::int64_t UserDefaults::integerForKey(const std::string& key) const {
    const auto it = values_->find(key);
    if (it == values_->end()) return 0;
    if (it->is_number_integer() && !it->is_number_unsigned()) return it->get<std::int64_t>();
    if (it->is_number_unsigned()) {
        const auto value = it->get<std::uint64_t>();
        if (value <= static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
            return static_cast<std::int64_t>(value);
        }
    }
    return 0;
}

bool UserDefaults::setInteger(std::int64_t value, const std::string& key) {
    (*values_)[key] = value;
    return save();
}

bool UserDefaults::save() const {
    if (file_.empty()) {
        warn("preferences are not saved: no home folder or XDG_CONFIG_HOME is known");
        return false;
    }
    std::string reason;
    std::error_code ec;
    const std::filesystem::path folder = file_.parent_path();
    if (!folder.empty()) {
        std::filesystem::create_directories(folder, ec);
        if (ec) {
            warn("cannot save the preferences to " + file_.string() + ": " + ec.message());
            return false;
        }
    }
    std::filesystem::path temporary = file_;
    temporary += ".tmp-" + std::to_string(::getpid());
    if (!writeFile(temporary, values_->dump(2) + "\n", reason)) {
        std::filesystem::remove(temporary, ec);
        warn("cannot save the preferences to " + file_.string() + ": " + reason);
        return false;
    }
    std::filesystem::rename(temporary, file_, ec);
    if (ec) {
        reason = ec.message();
        std::filesystem::remove(temporary, ec);
        warn("cannot save the preferences to " + file_.string() + ": " + reason);
        return false;
    }
    return true;
}

}  // namespace ui

#include "platform/ui/UserDefaults.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string_view>

#include <pwd.h>
#include <unistd.h>

#include "platform/ui/PreferencesStorage.h"
#include "platform/ui/Warnings.h"

namespace ui {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::optional<std::filesystem::path>& standardFileOverride() {
    static std::optional<std::filesystem::path> file;
    return file;
}

std::unique_ptr<UserDefaults>& standardInstance() {
    static std::unique_ptr<UserDefaults> instance;
    return instance;
}

// The deepest nesting of arrays and objects in a JSON text (brackets inside
// strings do not count), read without parsing so that no parser or writer
// ever recurses deeper than the limit.
int nestingDepth(const std::string& text) {
    int depth = 0;
    int deepest = 0;
    bool inString = false;
    bool escaped = false;
    for (const char c : text) {
        if (inString) {
            if (escaped) {
                escaped = false;
            } else if (c == '\\') {
                escaped = true;
            } else if (c == '"') {
                inString = false;
            }
            continue;
        }
        if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            deepest = std::max(deepest, ++depth);
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return deepest;
}

bool isBlank(const std::string& text) {
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
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

UserDefaults::UserDefaults(std::filesystem::path file) : file_(std::move(file)) {
    load();
}

UserDefaults::~UserDefaults() = default;

void UserDefaults::load() {
    if (file_.empty()) return;
    const std::string name = "the preferences file " + file_.string();
    const PreferencesRead read = readPreferencesFile(file_, kMaxPreferencesFileSize);
    if (read.status == PreferencesRead::Status::missing) return;  // nothing saved yet
    if (read.status == PreferencesRead::Status::refused) {
        state_ = FileState::leaveAlone;
        warn(name + " " + read.problem + "; it is left alone and the preferences are kept in memory only");
        return;
    }
    // A byte-order mark may lead the text (some editors write one); it is
    // read past and not written back.
    const std::string text =
        read.text.starts_with(kByteOrderMark) ? read.text.substr(kByteOrderMark.size()) : read.text;
    if (isBlank(text)) return;  // nothing in it to keep
    if (nestingDepth(text) > kMaxPreferencesNesting) {
        state_ = FileState::leaveAlone;
        warn(name + " is nested deeper than " + std::to_string(kMaxPreferencesNesting) +
             " levels; it is left alone and the preferences are kept in memory only");
        return;
    }
    if (!isJsonObject(text)) {
        state_ = FileState::moveAside;
        warn(name + " is not a JSON object; starting with no preferences (the file is moved aside when they are " +
             "next saved)");
        return;
    }
    members_ = preferencesMembers(text);
}

std::int64_t UserDefaults::integerForKey(const std::string& key) const {
    const auto it = members_.find(key);
    if (it == members_.end()) return 0;
    // Only a whole JSON integer that fits counts; 1.0, 1e2, "1" and wider
    // integers read 0.
    const std::string& text = it->second;
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size() ? value : 0;
}

bool UserDefaults::setInteger(std::int64_t value, const std::string& key) {
    members_[key] = std::to_string(value);
    return save();
}

bool UserDefaults::save() {
    if (file_.empty()) return failed("preferences are not saved: no home folder or XDG_CONFIG_HOME is known");
    if (state_ == FileState::leaveAlone) return false;  // said when it was read
    const std::string cannotSave = "cannot save the preferences to " + file_.string() + ": ";
    const std::string text = preferencesText(members_);
    if (text.size() > kMaxPreferencesFileSize) {
        // The byte count changes from one save to the next; the cause does not.
        return failed(cannotSave + "they would take " + std::to_string(text.size()) + " bytes, more than the " +
                          std::to_string(kMaxPreferencesFileSize) +
                          " bytes that are read at start; the file is kept as it was",
                      cannotSave + "too large");
    }
    const PreferencesTarget target = preferencesTarget(file_);
    if (target.path.empty()) return failed(cannotSave + "it " + target.problem);
    std::error_code ec;
    const std::filesystem::path folder = target.path.parent_path();
    if (!folder.empty()) {
        std::filesystem::create_directories(folder, ec);
        if (ec) return failed(cannotSave + ec.message());
    }
    std::string problem;
    if (state_ == FileState::moveAside && std::filesystem::is_regular_file(target.path, ec)) {
        const std::optional<std::filesystem::path> aside = moveFileAside(target.path, "corrupt", problem);
        if (!aside) {
            return failed(cannotSave + "it is not a JSON object and could not be moved aside (" + problem + ")");
        }
        warn("the preferences file " + target.path.string() + " is not a JSON object: it was moved to " +
             aside->string());
    }
    state_ = FileState::replace;
    removeStaleTemporaryFiles(target.path);
    if (!replaceFileAtomically(target.path, text, problem)) return failed(cannotSave + problem);
    lastFailure_.clear();
    return true;
}

bool UserDefaults::failed(const std::string& message, const std::string& cause) {
    const std::string& key = cause.empty() ? message : cause;
    if (key != lastFailure_) warn(message);
    lastFailure_ = key;
    return false;
}

}  // namespace ui

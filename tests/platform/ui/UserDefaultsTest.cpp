// Preferences on disk: round trips, a missing, corrupt or unwritable file,
// special files, links, hostile contents, processes killed while saving, and
// where the file lives by default.

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <regex>
#include <sstream>

#include <grp.h>
#include <pwd.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/ui/PreferencesStorage.h"
#include "platform/ui/UserDefaults.h"
#include "platform/ui/Warnings.h"
#include "support/ScopedVariable.h"

namespace ui {
namespace {

namespace fs = std::filesystem;

class UserDefaultsTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("duolinear-prefs-" + std::to_string(::getpid()) + "-" +
                                               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    static void write(const fs::path& file, const std::string& text) { std::ofstream(file) << text; }
    static std::string read(const fs::path& file) {
        std::ifstream in(file);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    // The names in the test's folder, sorted.
    std::vector<std::string> names() const {
        std::vector<std::string> all;
        for (const auto& entry : fs::directory_iterator(folder_)) all.push_back(entry.path().filename().string());
        std::sort(all.begin(), all.end());
        return all;
    }
    static constexpr int kCannotDropPrivileges = 90;
    // The exit status of `body` run in a child process; as an unprivileged
    // user when the tests run as root, for whom no file is unreadable.
    static int inChildProcess(const std::function<int()>& body, bool unprivileged) {
        const pid_t child = ::fork();
        if (child == 0) {
            if (unprivileged && ::geteuid() == 0) {
                constexpr uid_t kNobody = 65534;
                if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
                    ::_exit(kCannotDropPrivileges);
                }
            }
            ::_exit(body());
        }
        int status = 0;
        if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
        return WEXITSTATUS(status);
    }

    fs::path folder_;
};

TEST_F(UserDefaultsTest, ValuesSurviveARestart) {
    const fs::path file = folder_ / "nested" / "preferences.json";  // its folder is made
    {
        UserDefaults defaults(file);
        EXPECT_EQ(defaults.integerForKey("duolinear_variable"), 0);
        EXPECT_TRUE(defaults.setInteger(1, "duolinear_variable"));
        EXPECT_TRUE(defaults.setInteger(-9000000000LL, "big"));
        EXPECT_TRUE(defaults.setInteger(0, "duolinear_LCM"));
    }
    UserDefaults again(file);
    EXPECT_EQ(again.integerForKey("duolinear_variable"), 1);
    EXPECT_EQ(again.integerForKey("big"), -9000000000LL);
    EXPECT_EQ(again.integerForKey("duolinear_LCM"), 0);
    EXPECT_EQ(again.integerForKey("duolinear_equation"), 0);
    // Written whole, with no temporary file left beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(file.parent_path()), fs::directory_iterator{}), 1);
}

TEST_F(UserDefaultsTest, CorruptOrStrangeFilesReadAsNoValuesAndAreKeptAside) {
    // A cut-off object (also inside a name or a string value, or right
    // after an escaping backslash), JSON that is not an object, stray bytes,
    // numbers JSON does not allow, a byte-order mark before what is not an
    // object, after a blank, or twice.
    const std::string contents[] = {"{\"duolinear_variable\": 1",
                                    "[1, 2]",
                                    "\xff\xfe garbage",
                                    "null",
                                    "{\"duolinear_variable\": 1}x",
                                    "{\"duolinear_variable\": 1, \"far\": 01}",
                                    "{\"duolinear_variable\": 1, \"far\": 1e400.5}",
                                    "{\"duolinear_variable\": 1, \"far\": -}",
                                    "{\"duolinear_variable\": 1, \"far\": 2 3}",
                                    "\xEF\xBB\xBF[1]",
                                    " \xEF\xBB\xBF{\"duolinear_variable\": 1}",
                                    "\xEF\xBB\xBF\xEF\xBB\xBF{\"duolinear_variable\": 1}",
                                    "{\"duolinear_variable\": 1, \"name\": \"ab",
                                    "{\"duolinear_variable\": 1, \"na",
                                    "{\"duolinear_variable\": 1, \"name\": \"ab\\"};
    const fs::path file = folder_ / "preferences.json";
    int n = 0;
    for (const std::string& content : contents) {
        ++n;
        write(file, content);
        testing::internal::CaptureStderr();
        UserDefaults defaults(file);
        EXPECT_EQ(defaults.integerForKey("duolinear_variable"), 0) << content;
        // The next write keeps the file under a name that says so, says
        // where, and writes a sound one; the one after that just replaces it.
        EXPECT_TRUE(defaults.setInteger(1, "duolinear_equation"));
        EXPECT_TRUE(defaults.setInteger(1, "duolinear_LCM"));
        const std::string said = testing::internal::GetCapturedStderr();
        const fs::path aside = folder_ / ("preferences.json.corrupt" + (n == 1 ? "" : "-" + std::to_string(n)));
        EXPECT_EQ(read(aside), content);
        EXPECT_NE(said.find(": the preferences file " + file.string() + " is not a JSON object: it was moved to " +
                            aside.string() + "\n"),
                  std::string::npos)
            << said;
        EXPECT_EQ(UserDefaults(file).integerForKey("duolinear_equation"), 1);
        EXPECT_EQ(names().size(), 1u + n);
    }
    // An empty file holds nothing to keep: it is simply replaced.
    write(file, " \n");
    EXPECT_TRUE(UserDefaults(file).setInteger(1, "duolinear_variable"));
    EXPECT_EQ(names().size(), 1u + n);
    // The thousandth name is the last one tried; with every name beside it
    // taken, the file stays as it is and the save fails.
    for (int k = n + 1; k < 1000; ++k) write(folder_ / ("preferences.json.corrupt-" + std::to_string(k)), "");
    write(file, "[2]");
    EXPECT_TRUE(UserDefaults(file).setInteger(1, "duolinear_variable"));
    EXPECT_EQ(read(folder_ / "preferences.json.corrupt-1000"), "[2]");
    write(file, "[1]");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(UserDefaults(file).setInteger(1, "duolinear_variable"));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("every name beside it is taken"), std::string::npos);
    EXPECT_EQ(read(file), "[1]");

    // Where no hard link can be made (as for a folder), the file is renamed
    // to the first free name instead.
    fs::create_directory(folder_ / "odd");
    write(folder_ / "odd.corrupt", "taken");
    std::string problem;
    EXPECT_EQ(moveFileAside(folder_ / "odd", "corrupt", problem), folder_ / "odd.corrupt-2");
    EXPECT_EQ(problem, "");
    EXPECT_TRUE(fs::is_directory(folder_ / "odd.corrupt-2"));
    EXPECT_FALSE(fs::exists(folder_ / "odd"));
    EXPECT_EQ(read(folder_ / "odd.corrupt"), "taken");
}

// The file starts with a byte-order mark (as some editors write), which is
// read past and not written back.
TEST_F(UserDefaultsTest, MembersThatAreNotIntegersReadZeroAndAreKept) {
    const fs::path file = folder_ / "preferences.json";
    write(file,
          "\xEF\xBB\xBF"
          R"({"text": "1 \"}\" \\", "say \"hi\"": 3, "real": 1.5, "list": [1], "huge": 18446744073709551615, "ok": 1,
                    "wide": 12345678901234567890123, "tiny": -1.25E-7, "spelled": 1.0, "shape": {"a" : [ 1, "b c" ]},
                    "far": [1e400, -2.5E+99999, 1E-400]})");
    UserDefaults defaults(file);
    for (const char* key : {"text", "real", "list", "huge", "wide", "tiny", "spelled", "shape", "far"}) {
        EXPECT_EQ(defaults.integerForKey(key), 0) << key;
    }
    EXPECT_EQ(defaults.integerForKey("ok"), 1);
    EXPECT_EQ(defaults.integerForKey("say \"hi\""), 3);
    ASSERT_TRUE(defaults.setInteger(2, "ok"));
    // Written back exactly as they were written, blanks outside strings left out.
    EXPECT_EQ(
        read(file),
        R"({"far":[1e400,-2.5E+99999,1E-400],"huge":18446744073709551615,"list":[1],"ok":2,"real":1.5,"say \"hi\"":3,)"
        R"("shape":{"a":[1,"b c"]},"spelled":1.0,"text":"1 \"}\" \\","tiny":-1.25E-7,"wide":12345678901234567890123})"
        "\n");
}

// Numbers of every form, as members and in lists, against JSON's grammar
// for a number: those it allows are read (whatever their size) and kept as
// written, the others make the text no JSON object.
TEST(PreferencesText, NumbersAreCheckedByJsonsGrammarWhateverTheirSize) {
    const std::regex number(R"(-?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?)");
    const std::string alphabet = "0123456789000999-+.eE";
    std::mt19937 random(404);
    for (int round = 0; round < 3000; ++round) {
        std::string token;
        for (int n = std::uniform_int_distribution<int>(1, 8)(random); n > 0; --n) {
            token += alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(random)];
        }
        const std::string text = "{\"a\":" + token + ", \"b\": [1, " + token + "]}";
        const bool valid = std::regex_match(token, number);
        EXPECT_EQ(isJsonObject(text), valid) << text;
        if (valid) {
            EXPECT_EQ(preferencesMembers(text), (PreferencesMembers{{"a", token}, {"b", "[1," + token + "]"}}));
        }
    }
}

// Saving writes compact JSON, and never a file larger than a start reads: a
// list of small numbers that indenting would make too large is saved and
// read back, and preferences even the compact text of which is too large
// are refused with the old file kept.
TEST_F(UserDefaultsTest, ASaveNeverWritesWhatTheNextStartRefuses) {
    const fs::path file = folder_ / "preferences.json";
    std::string list = "[0";
    for (int i = 1; i < 200000; ++i) list += ",0";
    list += "]";
    const std::string head = R"({"duolinear_variable":0,"list":)" + list + R"(,"pad":")";
    const std::string tail = "\"}\n";
    const std::string full = head + std::string(kMaxPreferencesFileSize - head.size() - tail.size(), 'p') + tail;
    ASSERT_EQ(full.size(), kMaxPreferencesFileSize);
    write(file, full);
    {
        UserDefaults defaults(file);
        ASSERT_TRUE(defaults.setInteger(1, "duolinear_variable"));  // the same size
    }
    std::string expected = full;
    expected[std::string(R"({"duolinear_variable":)").size()] = '1';
    EXPECT_TRUE(read(file) == expected);
    UserDefaults again(file);
    EXPECT_EQ(again.integerForKey("duolinear_variable"), 1);
    // One byte more: refused, said so, the file as it was and nothing beside it.
    // Saves that are too large by other counts, as the other values of one
    // choice are, say nothing more.
    testing::internal::CaptureStderr();
    EXPECT_FALSE(again.setInteger(10, "duolinear_variable"));
    EXPECT_FALSE(again.setInteger(100, "duolinear_variable"));
    EXPECT_FALSE(again.setInteger(1000, "duolinear_variable"));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("cannot save the preferences to " + file.string() + ": they would take 1048577 bytes"),
              std::string::npos)
        << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_EQ(again.integerForKey("duolinear_variable"), 1000);
    EXPECT_TRUE(read(file) == expected);
    EXPECT_EQ(names(), std::vector<std::string>{"preferences.json"});
}

// Run by root on a file of another user, directly or through a link, a save
// leaves the file that user's, so that they can still read it.
TEST_F(UserDefaultsTest, ReplacingAFileKeepsItsOwnerAndGroup) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can give a file to another user";
    constexpr uid_t kNobody = 65534;
    const fs::path file = folder_ / "theirs.json";
    const fs::path link = folder_ / "link.json";
    write(file, R"({"duolinear_variable": 1})");
    ASSERT_EQ(::chown(file.c_str(), kNobody, kNobody), 0);
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(file.filename(), link);
    EXPECT_TRUE(UserDefaults(file).setInteger(2, "duolinear_equation"));
    EXPECT_TRUE(UserDefaults(link).setInteger(1, "duolinear_LCM"));
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, kNobody);
    EXPECT_EQ(info.st_gid, kNobody);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
    const int status = inChildProcess(
        [&] {
            UserDefaults defaults(file);
            const bool readable = defaults.integerForKey("duolinear_variable") == 1 &&
                                  defaults.integerForKey("duolinear_equation") == 2 &&
                                  defaults.integerForKey("duolinear_LCM") == 1;
            return readable ? 0 : 1;
        },
        true);
    EXPECT_EQ(status, 0);
}

TEST_F(UserDefaultsTest, UnwritableFileKeepsTheValueInMemory) {
    const fs::path blocker = folder_ / "not-a-folder";
    write(blocker, "x");
    UserDefaults defaults(blocker / "preferences.json");
    // Saves that fail the same way, as the three values of one choice of the
    // app do, say so once; after a save that succeeds, a failure is said again.
    auto timesSaid = [](const std::string& said) {
        std::size_t times = 0;
        for (std::size_t at = said.find("cannot save"); at != std::string::npos; at = said.find("cannot save", at + 1))
            ++times;
        return times;
    };
    testing::internal::CaptureStderr();
    EXPECT_FALSE(defaults.setInteger(1, "duolinear_variable"));
    EXPECT_FALSE(defaults.setInteger(1, "duolinear_equation"));
    EXPECT_FALSE(defaults.setInteger(0, "duolinear_LCM"));
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(timesSaid(said), 1u) << said;
    EXPECT_NE(said.find("cannot save the preferences"), std::string::npos) << said;
    EXPECT_NE(said.find("cannot be examined: Not a directory"), std::string::npos) << said;
    EXPECT_EQ(defaults.integerForKey("duolinear_variable"), 1);
    fs::remove(blocker);
    testing::internal::CaptureStderr();
    EXPECT_TRUE(defaults.setInteger(1, "duolinear_LCM"));
    fs::remove_all(blocker);
    write(blocker, "x");
    EXPECT_FALSE(defaults.setInteger(0, "duolinear_LCM"));
    EXPECT_FALSE(defaults.setInteger(1, "duolinear_LCM"));
    said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(timesSaid(said), 1u) << said;

    // A write that fails part-way (here at the size limit of files) leaves no
    // temporary file behind, and says why. The warning goes to a pipe, which
    // the size limit does not bound.
    const int status = inChildProcess(
        [&] {
            int channel[2];
            if (::pipe(channel) != 0 || ::dup2(channel[1], STDERR_FILENO) < 0) return 2;
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{16, 16};
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 2;
            const bool saved = UserDefaults(folder_ / "preferences.json").setInteger(1, "longer than the limit");
            ::close(STDERR_FILENO);
            ::close(channel[1]);
            char buffer[4096];
            const ssize_t n = ::read(channel[0], buffer, sizeof buffer);
            const std::string said(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
            if (said.find("cannot save the preferences to ") == std::string::npos) return 3;
            if (said.find(": File too large\n") == std::string::npos) return 4;
            return saved ? 1 : 0;
        },
        false);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(names(), std::vector<std::string>{"not-a-folder"});

    // So does a rename that fails: a file cannot replace a folder.
    fs::create_directory(folder_ / "a-folder");
    std::string problem;
    EXPECT_FALSE(replaceFileAtomically(folder_ / "a-folder", "{}", problem));
    EXPECT_EQ(problem, "Is a directory");
    EXPECT_EQ(names(), (std::vector<std::string>{"a-folder", "not-a-folder"}));
}

TEST_F(UserDefaultsTest, FilesThatCannotBeReadAreLeftAlone) {
    const std::string flat = R"({"duolinear_variable": 1, "other": "kept"})";
    const std::string deep = "{\"a\": " + std::string(100000, '[') + std::string(100000, ']') + "}";
    const std::string large = R"({"duolinear_variable": 1, "pad": ")" + std::string(2 << 20, ' ') + "\"}";
    struct Case {
        const char* label;
        std::string content;
        bool locked;  // mode 000
    };
    const Case cases[] = {{"unreadable", flat, true}, {"nested", deep, false}, {"large", large, false}};
    for (const Case& c : cases) {
        const fs::path file = folder_ / (std::string(c.label) + ".json");
        write(file, c.content);
        if (c.locked) fs::permissions(file, fs::perms::none);
        // The folder lets anyone replace the file, so only the preferences' own rule protects it.
        fs::permissions(folder_, fs::perms::all);
        const int status = inChildProcess(
            [&] {
                testing::internal::CaptureStderr();
                UserDefaults defaults(file);
                const bool emptyAtFirst = defaults.integerForKey("duolinear_variable") == 0;
                const bool saved = defaults.setInteger(7, "duolinear_variable");
                const bool kept = defaults.integerForKey("duolinear_variable") == 7;
                const std::string said = testing::internal::GetCapturedStderr();
                const std::string ending = "; it is left alone and the preferences are kept in memory only\n";
                const bool oneLineNamingIt = std::count(said.begin(), said.end(), '\n') == 1 &&
                                             said.find(": the preferences file " + file.string() + " ") !=
                                                 std::string::npos &&
                                             said.size() > ending.size() &&
                                             said.compare(said.size() - ending.size(), ending.size(), ending) == 0;
                return emptyAtFirst && !saved && kept && oneLineNamingIt ? 0 : 1;
            },
            c.locked);
        if (status == kCannotDropPrivileges) {
            std::printf("skipped the %s case: cannot run as an unprivileged user here\n", c.label);
        } else {
            EXPECT_EQ(status, 0) << c.label;
        }
        fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
        EXPECT_TRUE(read(file) == c.content) << c.label;
        EXPECT_EQ(names(), std::vector<std::string>{file.filename().string()}) << c.label;
        fs::remove(file);
    }
    // Members the app does not know may nest a little, and are kept.
    const fs::path file = folder_ / "preferences.json";
    std::string nested = std::string(20, '[') + "1" + std::string(20, ']');
    for (int sibling = 0; sibling < 40; ++sibling) nested += ",[{}]";  // side by side, not nested
    nested = "[" + nested + "]";
    // Brackets inside strings, escaped quotes among them, do not nest.
    const std::string bracketed = "\"\\\"" + std::string(1000, '[') + "\"";
    write(file, "{\"shape\": " + nested + ", \"text\": " + bracketed + "}");
    EXPECT_TRUE(UserDefaults(file).setInteger(1, "duolinear_variable"));
    EXPECT_EQ(nlohmann::json::parse(read(file))["shape"], nlohmann::json::parse(nested));
    EXPECT_EQ(nlohmann::json::parse(read(file))["text"], nlohmann::json::parse(bracketed));
}

TEST_F(UserDefaultsTest, OnlyRegularFilesAreReadOrReplaced) {
    // Special files made in the test's own folder; never a real device.
    const fs::path fifo = folder_ / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const fs::path socketFile = folder_ / "socket";
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socketFile.c_str());
    ASSERT_EQ(::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    const fs::path folder = folder_ / "folder";
    fs::create_directory(folder);
    const fs::path linkToFifo = folder_ / "link-to-fifo";
    fs::create_symlink("fifo", linkToFifo);
    std::vector<std::pair<fs::path, fs::file_type>> specials{{fifo, fs::file_type::fifo},
                                                             {socketFile, fs::file_type::socket},
                                                             {folder, fs::file_type::directory},
                                                             {linkToFifo, fs::file_type::fifo}};
    const fs::path device = folder_ / "null-device";  // the numbers of /dev/null
    if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
        specials.emplace_back(device, fs::file_type::character);
    }
    for (const auto& [path, type] : specials) {
        testing::internal::CaptureStderr();
        UserDefaults defaults(path);  // opening a FIFO for reading would wait for a writer
        EXPECT_FALSE(defaults.setInteger(1, "duolinear_variable")) << path;
        EXPECT_EQ(defaults.integerForKey("duolinear_variable"), 1) << path;
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_NE(said.find(path.string() + " is a"), std::string::npos) << said;
        EXPECT_EQ(fs::status(path).type(), type) << path;
    }
    EXPECT_TRUE(fs::is_empty(folder));
    // A special file that turns up after the preferences were read is refused on saving.
    const fs::path later = folder_ / "later.json";
    UserDefaults defaults(later);
    ASSERT_EQ(::mkfifo(later.c_str(), 0644), 0);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(defaults.setInteger(1, "duolinear_variable"));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("is a FIFO, not a regular file"), std::string::npos);
    EXPECT_TRUE(fs::is_fifo(later));
    ::close(listener);
}

TEST_F(UserDefaultsTest, SymbolicLinksAreFollowedToTheFileTheyName) {
    const fs::path real = folder_ / "real" / "preferences.json";
    fs::create_directories(real.parent_path());
    write(real, R"({"duolinear_variable": 1})");
    const fs::path link = folder_ / "link.json";
    fs::create_symlink("real/preferences.json", link);  // relative to the link's folder
    const fs::path linkToLink = folder_ / "link-to-link.json";
    fs::create_symlink(link, linkToLink);
    for (const fs::path& path : {link, linkToLink}) {
        UserDefaults defaults(path);
        EXPECT_EQ(defaults.integerForKey("duolinear_variable"), 1);
        EXPECT_TRUE(defaults.setInteger(1, path.filename().string()));
        EXPECT_TRUE(fs::is_symlink(path));
        EXPECT_EQ(nlohmann::json::parse(read(real))[path.filename().string()], 1);
    }
    EXPECT_EQ(names(), (std::vector<std::string>{"link-to-link.json", "link.json", "real"}));
    // A link to nothing yet names the file a save makes.
    const fs::path dangling = folder_ / "dangling.json";
    fs::create_symlink("made.json", dangling);
    EXPECT_TRUE(UserDefaults(dangling).setInteger(2, "duolinear_equation"));
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_EQ(UserDefaults(folder_ / "made.json").integerForKey("duolinear_equation"), 2);
    // Links that loop are refused.
    fs::create_symlink("loop-b", folder_ / "loop-a");
    fs::create_symlink("loop-a", folder_ / "loop-b");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(UserDefaults(folder_ / "loop-a").setInteger(1, "duolinear_variable"));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("symbolic links"), std::string::npos);
    EXPECT_TRUE(fs::is_symlink(folder_ / "loop-a"));
    // So are links that come to loop after the start, when saving.
    UserDefaults early(folder_ / "late-a");
    fs::create_symlink("late-b", folder_ / "late-a");
    fs::create_symlink("late-a", folder_ / "late-b");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(early.setInteger(1, "duolinear_variable"));
    EXPECT_NE(testing::internal::GetCapturedStderr().find(
                  "it is a chain of symbolic links that loops or runs too long\n"),
              std::string::npos);
    // As the system itself does, a chain of 40 links is followed and a longer one refused.
    fs::path chain = real;
    for (int links = 1; links <= 41; ++links) {
        const fs::path next = folder_ / ("chain-" + std::to_string(links));
        fs::create_symlink(chain, next);
        chain = next;
        if (links < 40) continue;
        testing::internal::CaptureStderr();
        EXPECT_EQ(UserDefaults(chain).setInteger(3, "chained"), links == 40) << links;
        testing::internal::GetCapturedStderr();
    }
}

TEST_F(UserDefaultsTest, TemporaryFilesOfProcessesThatAreGoneAreRemoved) {
    const pid_t gone = ::fork();  // a process id known to be free once reaped
    if (gone == 0) ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    const fs::path file = folder_ / "preferences.json";
    // One left by an earlier process that had this process's id is replaced too.
    const std::vector<std::string> stale{"preferences.json.tmp-" + std::to_string(gone),
                                         "preferences.json.tmp-" + std::to_string(::getpid())};
    const std::vector<std::string> kept{"other.json.tmp-" + std::to_string(gone), "preferences.json.tmp-1",
                                        "preferences.json.tmp-" + std::to_string(::getppid()),
                                        "preferences.json.tmp-x1"};
    for (const auto& name : stale) write(folder_ / name, "{");
    for (const auto& name : kept) write(folder_ / name, "{");
    EXPECT_TRUE(UserDefaults(file).setInteger(1, "duolinear_variable"));
    std::vector<std::string> expected = kept;
    expected.push_back("preferences.json");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names(), expected);
}

TEST_F(UserDefaultsTest, KilledWhileSavingLeavesTheFileWholeAndTheNextSaveTidiesUp) {
    const fs::path file = folder_ / "preferences.json";
    const std::string padding(8 * 1024, 'p');  // long writes: kills land in them
    {
        nlohmann::json start = {{"padding", padding}};
        write(file, start.dump());
    }
    std::minstd_rand random(19);
    std::uniform_int_distribution<int> delay(0, 1500);  // microseconds
    int leftovers = 0;
    constexpr int kRounds = 200;
    for (int round = 0; round < kRounds; ++round) {
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(ready[0]);
            UserDefaults defaults(file);
            if (::write(ready[1], "r", 1) != 1) ::_exit(1);
            for (std::int64_t i = 0;; ++i) defaults.setInteger(i, "counter");
        }
        ASSERT_GT(child, 0);
        ::close(ready[1]);
        char signal = 0;
        ASSERT_EQ(::read(ready[0], &signal, 1), 1);
        ::close(ready[0]);
        ::usleep(static_cast<useconds_t>(delay(random)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);

        if (names().size() > 1) ++leftovers;
        const nlohmann::json saved = nlohmann::json::parse(read(file), nullptr, false);
        ASSERT_TRUE(saved.is_object()) << "round " << round;
        ASSERT_EQ(saved.value("padding", std::string()), padding) << "round " << round;
        UserDefaults next(file);
        ASSERT_TRUE(next.setInteger(round, "round"));
        ASSERT_EQ(names(), std::vector<std::string>{"preferences.json"}) << "round " << round;
    }
    // Most kills land in a save, before its rename.
    EXPECT_GT(leftovers, kRounds / 20);
}

TEST_F(UserDefaultsTest, DefaultPlaceFollowsTheEnvironment) {
    const duolinear::testing::ScopedVariable config("XDG_CONFIG_HOME");
    const duolinear::testing::ScopedVariable home("HOME");
    config.set(folder_);
    // The folder is named after the application, as the app gives its name.
    setApplicationName("duolinear");
    EXPECT_EQ(UserDefaults::defaultFile(), folder_ / "duolinear" / "preferences.json");
    config.set("relative/path");  // ignored, as relative paths are
    EXPECT_EQ(UserDefaults::defaultFile().filename(), "preferences.json");
    EXPECT_NE(UserDefaults::defaultFile().parent_path().parent_path().filename(), "path");
    // Without it, the home folder's .config holds it.
    config.unset();
    home.set(folder_);
    EXPECT_EQ(UserDefaults::defaultFile(), folder_ / ".config" / "duolinear" / "preferences.json");
    // Without a home in the environment, the user's entry names it.
    if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_dir[0] != '\0') {
        const fs::path entryHome = entry->pw_dir;
        home.set("");
        EXPECT_EQ(UserDefaults::defaultFile(), entryHome / ".config" / "duolinear" / "preferences.json");
        home.unset();
        EXPECT_EQ(UserDefaults::defaultFile(), entryHome / ".config" / "duolinear" / "preferences.json");
    }

    const fs::path chosen = folder_ / "chosen.json";
    UserDefaults::setStandardFile(chosen);
    EXPECT_EQ(UserDefaults::standard().file(), chosen);
    UserDefaults::standard().setInteger(1, "duolinear_LCM");
    EXPECT_EQ(UserDefaults(chosen).integerForKey("duolinear_LCM"), 1);
    UserDefaults::setStandardFile(folder_ / "other.json");
    EXPECT_EQ(UserDefaults::standard().integerForKey("duolinear_LCM"), 0);
    // Without a file, nothing is saved, and that is said.
    testing::internal::CaptureStderr();
    EXPECT_FALSE(UserDefaults(fs::path()).setInteger(1, "duolinear_LCM"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "duolinear: preferences are not saved: no home folder or XDG_CONFIG_HOME is known\n");
}

}  // namespace
}  // namespace ui

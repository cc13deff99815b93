// Preferences on disk: round trips, a missing, corrupt or unwritable file,
// and where the file lives by default.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "platform/ui/UserDefaults.h"
#include "platform/ui/Warnings.h"

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

TEST_F(UserDefaultsTest, CorruptOrStrangeFilesReadAsNoValues) {
    const std::string contents[] = {"{\"duolinear_variable\": 1", "[1, 2]", "", "\xff\xfe garbage", "null"};
    for (const std::string& content : contents) {
        const fs::path file = folder_ / "preferences.json";
        write(file, content);
        UserDefaults defaults(file);
        EXPECT_EQ(defaults.integerForKey("duolinear_variable"), 0) << content;
        // The next write replaces the file with a sound one.
        EXPECT_TRUE(defaults.setInteger(1, "duolinear_equation"));
        EXPECT_EQ(UserDefaults(file).integerForKey("duolinear_equation"), 1);
    }
}

TEST_F(UserDefaultsTest, MembersThatAreNotIntegersReadZeroAndAreKept) {
    const fs::path file = folder_ / "preferences.json";
    write(file, R"({"text": "1", "real": 1.5, "list": [1], "huge": 18446744073709551615, "ok": 1})");
    UserDefaults defaults(file);
    for (const char* key : {"text", "real", "list", "huge"}) EXPECT_EQ(defaults.integerForKey(key), 0) << key;
    EXPECT_EQ(defaults.integerForKey("ok"), 1);
    ASSERT_TRUE(defaults.setInteger(2, "ok"));
    const nlohmann::json saved = nlohmann::json::parse(read(file));
    EXPECT_EQ(saved["text"], "1");
    EXPECT_EQ(saved["real"], 1.5);
    EXPECT_EQ(saved["ok"], 2);
}

TEST_F(UserDefaultsTest, UnwritableFileKeepsTheValueInMemory) {
    const fs::path blocker = folder_ / "not-a-folder";
    write(blocker, "x");
    UserDefaults defaults(blocker / "preferences.json");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(defaults.setInteger(1, "duolinear_variable"));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("cannot save the preferences"), std::string::npos);
    EXPECT_EQ(defaults.integerForKey("duolinear_variable"), 1);

    // An unreadable file reads as no values.
    if (::geteuid() != 0) {
        const fs::path locked = folder_ / "locked.json";
        write(locked, R"({"duolinear_variable": 1})");
        fs::permissions(locked, fs::perms::none);
        EXPECT_EQ(UserDefaults(locked).integerForKey("duolinear_variable"), 0);
    }
}

TEST_F(UserDefaultsTest, DefaultPlaceFollowsTheEnvironment) {
    const char* savedConfig = std::getenv("XDG_CONFIG_HOME");
    const std::string config = savedConfig != nullptr ? savedConfig : "";
    ::setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
    // The folder is named after the application, as the app gives its name.
    setApplicationName("duolinear");
    EXPECT_EQ(UserDefaults::defaultFile(), folder_ / "duolinear" / "preferences.json");
    ::setenv("XDG_CONFIG_HOME", "relative/path", 1);  // ignored, as relative paths are
    EXPECT_EQ(UserDefaults::defaultFile().filename(), "preferences.json");
    EXPECT_NE(UserDefaults::defaultFile().parent_path().parent_path().filename(), "path");

    const fs::path chosen = folder_ / "chosen.json";
    UserDefaults::setStandardFile(chosen);
    EXPECT_EQ(UserDefaults::standard().file(), chosen);
    UserDefaults::standard().setInteger(1, "duolinear_LCM");
    EXPECT_EQ(UserDefaults(chosen).integerForKey("duolinear_LCM"), 1);
    UserDefaults::setStandardFile(folder_ / "other.json");
    EXPECT_EQ(UserDefaults::standard().integerForKey("duolinear_LCM"), 0);

    if (savedConfig != nullptr)
        ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace ui

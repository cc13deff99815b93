// The host's command line and scripts.

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/host/ApplicationMain.h"
#include "platform/host/Options.h"
#include "platform/host/Script.h"

namespace host {
namespace {

using ::testing::HasSubstr;

ParsedOptions parse(std::vector<const char*> arguments) {
    arguments.insert(arguments.begin(), "duolinear");
    return parseCommandLine(static_cast<int>(arguments.size()), arguments.data());
}

TEST(CommandLine, ChoosesDeviceFilesAndMode) {
    const ParsedOptions plain = parse({});
    EXPECT_EQ(plain.error, "");
    EXPECT_EQ(plain.options.device, DeviceKind::phone);
    EXPECT_FALSE(plain.options.headless);
    EXPECT_EQ(deviceProfile(DeviceKind::phone).model, "iPhone");
    EXPECT_LE(deviceProfile(DeviceKind::phone).size.width, 428.0);
    EXPECT_NE(deviceProfile(DeviceKind::tablet).model, "iPhone");
    EXPECT_GT(deviceProfile(DeviceKind::tablet).size.width, 428.0);

    const ParsedOptions full = parse(
        {"--device", "tablet", "--preferences", "/tmp/p.json", "--script", "s.txt", "--headless", "--scale", "1.5"});
    EXPECT_EQ(full.error, "");
    EXPECT_EQ(full.options.device, DeviceKind::tablet);
    EXPECT_EQ(full.options.preferencesFile, "/tmp/p.json");
    EXPECT_EQ(full.options.scriptFile, "s.txt");
    EXPECT_TRUE(full.options.headless);
    EXPECT_EQ(full.options.scale, 1.5);
}

TEST(CommandLine, RefusesWhatItDoesNotUnderstand) {
    struct Case {
        std::vector<const char*> arguments;
        const char* error;
    };
    const Case cases[] = {
        {{"--device", "watch"}, "--device takes phone or tablet, not \"watch\""},
        {{"--device"}, "--device needs a value"},
        {{"--preferences"}, "--preferences needs a value"},
        {{"--preferences", ""}, "--preferences needs a file name, not an empty one"},
        {{"--scale", "0"}, "--scale takes a number from 0.25 to 8, not \"0\""},
        {{"--scale", "2x"}, "--scale takes a number from 0.25 to 8, not \"2x\""},
        {{"--headless"}, "--headless needs --script FILE"},
        {{"--fast"}, "unknown argument \"--fast\""},
    };
    for (const Case& c : cases) EXPECT_EQ(parse(c.arguments).error, c.error);
    EXPECT_TRUE(parse({"--help"}).options.help);

    // The program answers --help with the usage on stdout and ends well; a
    // wrong argument gets the reason and the usage on stderr, and status 2.
    auto run = [](std::string argument) {
        std::string program = "duolinear";
        char* argv[] = {program.data(), argument.data(), nullptr};
        return ui::applicationMain(2, argv, "duolinear", nullptr);
    };
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(run("--help"), 0);
    const std::string help = ::testing::internal::GetCapturedStdout();
    for (const char* option : {"--device ", "--preferences ", "--script ", "--headless ", "--scale "}) {
        EXPECT_THAT(help, HasSubstr(std::string("\n  ") + option)) << "each option has its line";
    }
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(run("--fast"), 2);
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_THAT(said, HasSubstr("unknown argument"));
    EXPECT_THAT(said, HasSubstr("--scale"));
}

TEST(Script, ReadsActionsLineByLine) {
    const ParsedScript script = parseScript(
        "# the demo\n"
        "tap 10 20.5\r\n"
        "\n"
        "tap-button 🤔\n"
        "tap-button \"intro \"\n"
        "back\n"
        "screenshot out/step 1.png\n");
    ASSERT_EQ(script.error, "");
    ASSERT_EQ(script.actions.size(), 5u);
    EXPECT_EQ(script.actions[0].kind, ScriptAction::Kind::tap);
    EXPECT_EQ(script.actions[0].point, (gfx::Point{10, 20.5}));
    EXPECT_EQ(script.actions[0].line, 2);
    EXPECT_EQ(script.actions[1].text, "🤔");
    EXPECT_EQ(script.actions[2].text, "intro ");
    EXPECT_EQ(script.actions[3].kind, ScriptAction::Kind::back);
    EXPECT_EQ(script.actions[4].text, "out/step 1.png");
    // Each as a message names it.
    const char* described[] = {"tap 10 20.5", "tap-button \"🤔\"", "tap-button \"intro \"", "back",
                               "screenshot out/step 1.png"};
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(describe(script.actions[i]), described[i]);
}

TEST(Script, NamesTheLineItCannotRead) {
    struct Case {
        std::string text;
        std::string error;
    };
    const Case cases[] = {
        {"tap 10\n", "line 1: tap takes two numbers"},
        {"back\ntap x y\n", "line 2: tap takes two numbers"},
        {"tap 10\nswipe 1 2\n", "line 1: tap takes two numbers"},  // the first fault is the one named
        {"tap 1 2 3\n", "tap takes two numbers"},
        {"tap-button\n", "tap-button needs a title"},
        {"back now\n", "back takes nothing"},
        {"screenshot\n", "screenshot needs a file name"},
        {"swipe 1 2\n", "unknown action \"swipe\""},
        // Refused as soon as it is too long, newline or not.
        {"back\n" + std::string(5000, 'x') + "\nback\n", "line 2: the line is longer than 4096 bytes"},
        {"# \n\nback\n" + std::string(kMaxScriptLineLength + 1, ' '), "line 4: the line is longer than 4096 bytes"},
        // What is echoed is cut short and shows its control characters escaped.
        {"\x1b[2J\a\x7f\xc2\x9b\xff\xc3\xa9 1\n", "line 1: unknown action \"\\e[2J\\a\\x7f\\u009b\\xff\xc3\xa9\""},
        {"\b\v\f\x01\x1b 1\n", "line 1: unknown action \"\\b\\v\\f\\x01\\e\""},
        {std::string(300, 'y') + "\n", "unknown action \"" + std::string(80, 'y') + "\u2026\""},
    };
    for (const Case& c : cases) {
        const std::string error = parseScript(c.text).error;
        EXPECT_THAT(error, HasSubstr(c.error)) << c.text.substr(0, 40);
        EXPECT_LT(error.size(), 200u);
        EXPECT_TRUE(std::none_of(error.begin(), error.end(), [](char b) { return b >= 0 && b < 0x20; })) << error;
    }
    // A line of the longest length is read.
    const ParsedScript longest = parseScript("tap-button " + std::string(kMaxScriptLineLength - 11, 'z') + "\n");
    ASSERT_EQ(longest.error, "");
    EXPECT_EQ(longest.actions.at(0).text.size(), kMaxScriptLineLength - 11);
    EXPECT_EQ(describe(longest.actions[0]), "tap-button \"" + std::string(80, 'z') + "\u2026\"");
    EXPECT_EQ(describe(ScriptAction{ScriptAction::Kind::tapButton, {}, "a\tb\r\n", 1}), "tap-button \"a\\tb\\r\\n\"");
}

// A pipe hands a script over in pieces of whatever size its writer managed;
// however the text is cut, a bound is met at the line on which the first
// byte past it falls (counted here from the whole text).
TEST(Script, BoundsNameTheSameLineHoweverTheTextIsCut) {
    std::mt19937 random(20261208);
    for (int round = 0; round < 8; ++round) {
        std::string text;
        std::size_t longLineAt = std::string::npos;  // where a line too long starts, in odd rounds
        const std::size_t longLineFrom = round % 2 == 1 ? random() % (kMaxScriptSize + 4096) : text.npos;
        while (text.size() <= kMaxScriptSize + 5000) {
            if (longLineAt == text.npos && text.size() >= longLineFrom) {
                longLineAt = text.size();
                text += std::string(kMaxScriptLineLength + 10, '#') + "\n";
            }
            text += random() % 4 == 0 ? "\n" : "back" + std::string(random() % 50, ' ') + "\n";
        }
        const auto lineOf = [&](std::size_t byte) {
            return "line " + std::to_string(1 + std::count(text.begin(), text.begin() + byte, '\n')) + ": ";
        };
        const std::string expected = longLineAt != text.npos && longLineAt + kMaxScriptLineLength < kMaxScriptSize
                                         ? lineOf(longLineAt) + "the line is longer than 4096 bytes"
                                         : lineOf(kMaxScriptSize) + "the script is larger than 1048576 bytes";
        ScriptParser parser;
        for (std::size_t at = 0; at < text.size();) {
            const std::size_t piece = 1 + random() % (round < 4 ? 64 : 9000);
            if (!parser.feed(std::string_view(text).substr(at, piece))) break;
            at += piece;
        }
        EXPECT_EQ(parser.finish().error, expected) << "round " << round;
    }
    // A script of exactly the largest size is read; one byte more is not.
    const std::string largest = std::string(kMaxScriptSize - 4, '\n') + "back";
    const ParsedScript script = parseScript(largest);
    EXPECT_EQ(script.error, "");
    EXPECT_EQ(script.actions.at(0).line, static_cast<int>(kMaxScriptSize - 3));
    EXPECT_EQ(parseScript(largest + "\n").error, "line 1048573: the script is larger than 1048576 bytes");
}

// A script is read a piece at a time and refused as soon as a line, or the
// whole, passes its bound: a writer into a pipe is cut off long before it has
// written its 64 MiB, whether it writes one endless line or endless actions.
TEST(Script, AnEndlessInputIsRefusedWithoutBeingReadWhole) {
    struct Case {
        std::string unit;  // written again and again
        std::string error;
    };
    const Case cases[] = {
        {std::string(4096, 'x'), "line 1: the line is longer than 4096 bytes"},
        {"back\n# and again\n\n", "the script is larger than 1048576 bytes"},
    };
    const std::filesystem::path fifo =
        std::filesystem::temp_directory_path() / ("duolinear-script-" + std::to_string(::getpid()));
    for (const Case& c : cases) {
        std::filesystem::remove(fifo);
        ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
        const pid_t writer = ::fork();
        if (writer == 0) {
            std::signal(SIGPIPE, SIG_IGN);
            const int fd = ::open(fifo.c_str(), O_WRONLY);
            std::string block;
            while (block.size() < 65536) block += c.unit;
            for (std::size_t written = 0; written < (std::size_t{64} << 20); written += block.size()) {
                if (::write(fd, block.data(), block.size()) != static_cast<ssize_t>(block.size())) ::_exit(1);
            }
            ::_exit(0);  // wrote it all: it was read whole
        }
        ASSERT_GT(writer, 0);
        const ParsedScript script = loadScript(fifo);
        int status = 0;
        ::waitpid(writer, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << c.error;
        EXPECT_THAT(script.error, HasSubstr(fifo.string() + ", line "));
        EXPECT_THAT(script.error, HasSubstr(c.error));
        EXPECT_LT(script.error.size(), 200u);
    }
    std::filesystem::remove(fifo);
}

}  // namespace
}  // namespace host

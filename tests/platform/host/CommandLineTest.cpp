// The host's command line and scripts.

#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

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
        {{"--device", "watch"}, "--device takes phone or tablet"},
        {{"--device"}, "--device needs a value"},
        {{"--preferences"}, "--preferences needs a value"},
        {{"--scale", "0"}, "--scale takes a number"},
        {{"--scale", "2x"}, "--scale takes a number"},
        {{"--headless"}, "--headless needs --script FILE"},
        {{"--fast"}, "unknown argument \"--fast\""},
    };
    for (const Case& c : cases) EXPECT_THAT(parse(c.arguments).error, HasSubstr(c.error));
    EXPECT_TRUE(parse({"--help"}).options.help);
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
    EXPECT_EQ(describe(script.actions[2]), "tap-button \"intro \"");
}

TEST(Script, NamesTheLineItCannotRead) {
    struct Case {
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"tap 10\n", "line 1: tap takes two numbers"}, {"back\ntap x y\n", "line 2: tap takes two numbers"},
        {"tap 1 2 3\n", "tap takes two numbers"},      {"tap-button\n", "tap-button needs a title"},
        {"back now\n", "back takes nothing"},          {"screenshot\n", "screenshot needs a file name"},
        {"swipe 1 2\n", "unknown action \"swipe\""},
    };
    for (const Case& c : cases) EXPECT_THAT(parseScript(c.text).error, HasSubstr(c.error)) << c.text;
}

}  // namespace
}  // namespace host

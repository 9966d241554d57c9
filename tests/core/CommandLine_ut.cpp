#include "CommandLine.h"

#include <gtest/gtest.h>

using namespace BasRuxa;

namespace {

CommandLineRequest Parse(std::string_view text, std::string_view initialName = "") {
    return ParseCommandLine(SplitCommandLine(text), initialName);
}

}  // namespace

TEST(CommandLine, ArgumentTextFollowsTheProgramName) {
    EXPECT_EQ(ArgumentText("ruxa.exe /d"), "/d");
    EXPECT_EQ(ArgumentText("\"C:\\Program Files\\ruxa.exe\"   /d /c"), "/d /c");
    EXPECT_EQ(ArgumentText("ruxa.exe"), "");
    EXPECT_EQ(ArgumentText("ruxa.exe\t/d"), "\t/d");
}

TEST(CommandLine, SplitsOnSpacesAndTabsWithoutQuoting) {
    const struct {
        const char* text;
        int count, index;
        const char* token;
    } cases[] = {{"   ", 1, 0, ""}, {"\t/d", 2, 0, ""}, {"/d  /c", 3, 1, ""}, {"/s:\"my setting\" /d", 3, 0, "/s:\"my"}};
    for (const auto& c : cases) {
        const CommandLineArgs args = SplitCommandLine(c.text);
        ASSERT_EQ(args.CmdArgCount, c.count) << c.text;
        EXPECT_EQ(args.CmdArgs[c.index], c.token) << c.text;
    }
}

TEST(CommandLine, MoreThanFiftyTokensKeepTheFirstFifty) {
    std::string text;
    for (int i = 0; i < 80; ++i) text += (i == 49 ? "/d " : "x ");
    text += "/a";
    const CommandLineArgs args = SplitCommandLine(text);
    EXPECT_EQ(args.CmdArgCount, 50);
    EXPECT_EQ(Parse(text).Action, ActionDesktop);  // the "/a" past the 50th token is ignored
}

TEST(CommandLine, SwitchesAndTheirCaseRules) {
    EXPECT_EQ(Parse("/D").Action, ActionDesktop);
    EXPECT_EQ(Parse("/A").Action, ActionActiveWindow);
    EXPECT_EQ(Parse("/r").Action, ActionRegion);
    EXPECT_EQ(Parse("/d /a").Action, ActionActiveWindow);  // later wins
    // Malformed switches: StartupTest.MalformedCommandLines, through the run.
    EXPECT_TRUE(Parse("foo bar").Error);
    EXPECT_EQ(Parse("/d -C").ConfirmBeforePrint, 1);
    EXPECT_EQ(Parse("/d").ConfirmBeforePrint, 0);
    EXPECT_EQ(Parse("/d /S=named").SettingName, "named");
    EXPECT_EQ(Parse("/d", "kept").SettingName, "kept");
    EXPECT_EQ(Parse("/d /s:").SettingName, "");
    EXPECT_EQ(Parse("/d /x:abc").SettingName, "");
}

// The number itself is read as VbNumber_ut shows; here the way it gets there.
TEST(CommandLine, WindowNumbers) {
    EXPECT_EQ(Parse("/a /H:&H4D2").WindowHandle, 1234);
    EXPECT_EQ(Parse("/a /h=").WindowHandle, 0);
    EXPECT_EQ(Parse("/a /h=12.5").WindowHandle, 12);
    EXPECT_EQ(Parse("/a /h=abc").WindowHandle, 0);
    EXPECT_FALSE(Parse("/a /h=2147483647").Error);  // one more: StartupTest.MalformedCommandLines
}

TEST(CommandLine, NamedSettingByExactNameLastMatchWins) {
    SettingsModel m;
    m.Settings.PrinterCount = 3;
    m.Settings.LastSet = -1;
    m.NamedSettings[0].Title = "A4";
    m.NamedSettings[0].SizeP = 10;
    m.NamedSettings[1].Title = "a4";
    m.NamedSettings[2].Title = "A4";
    m.NamedSettings[2].SizeP = 30;
    m.NamedSettings[3].Title = "stale";
    m.CurrentPrint.SizeP = 100;

    ApplyNamedSetting(m, "A4");
    EXPECT_EQ(m.CurrentPrint.SizeP, 30);
    EXPECT_EQ(m.CurrentPrint.Title, "A4");
    EXPECT_EQ(m.Settings.LastSet, 2);

    ApplyNamedSetting(m, "stale");  // beyond PrinterCount
    ApplyNamedSetting(m, "nothing");
    EXPECT_EQ(m.Settings.LastSet, 2);
    EXPECT_EQ(m.CurrentPrint.SizeP, 30);
}

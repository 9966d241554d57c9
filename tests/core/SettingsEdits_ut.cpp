#include "SettingsEdits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

TEST(SettingsEdits, OnlyTitlesTheLoaderTakesForAFirstStartAreRefused) {
    for (const char* title : {"", "0"}) EXPECT_TRUE(settings::TitleMeansFirstStart(title)) << title;
    for (const char* title : {" ", "0 ", "\"0\"", "00", "ヴェルモ"}) EXPECT_FALSE(settings::TitleMeansFirstStart(title)) << title;
}

// Another dialog stored while this one was open: what it changed shows here,
// what this one edited and it did not change stays this one's edit. Where
// both changed, the stored value wins: it is what the file holds.
TEST(SettingsEdits, StoredChangesReachTheWorkingCopyFieldByField) {
    SettingsRecord before, work, after;
    work.SelfTime = 9;
    work.HotKeyButton[0] = 'Q';  // a slot other than the one stored elsewhere
    work.Title = "w";
    after.ReversePrint = 1;
    after.HotKeyButton[3] = 'R';
    after.DesktopMonitor = 1;
    after.Title = "u";
    settings::TakeStoredChanges(before, after, work);
    EXPECT_EQ(std::tuple(work.SelfTime, work.HotKeyButton[0], work.ReversePrint, work.HotKeyButton[3], work.DesktopMonitor,
                         work.Title),
              std::tuple(9, 'Q', 1, 'R', 1, "u"));

    PrintSettings printBefore, printWork, printAfter;
    printWork.Pos = 5;
    printAfter.SizeP = 50;
    settings::TakeStoredChanges(printBefore, printAfter, printWork);
    EXPECT_EQ(std::tuple(printWork.Pos, printWork.SizeP), std::tuple(5, 50));
}

TEST(SettingsEdits, NamedSettingsDifferOnlyInTheSlotsInUse) {
    SettingsModel a, b;
    a.Settings.PrinterCount = b.Settings.PrinterCount = 1;
    b.NamedSettings[5].Title = "unused slot";
    EXPECT_FALSE(settings::NamedSettingsDiffer(a, b));
    b.NamedSettings[0].SizeP = 3;  // an overwrite keeps the count
    EXPECT_TRUE(settings::NamedSettingsDiffer(a, b));
    b = a;
    b.Settings.PrinterCount = 2;
    EXPECT_TRUE(settings::NamedSettingsDiffer(a, b));
}

TEST(SettingsEdits, AChosenNamedSettingIsFollowedByItsName) {
    SettingsModel before;
    before.Settings.PrinterCount = 3;
    for (int i = 0; i < 3; ++i) before.NamedSettings[i].Title = std::string(1, static_cast<char>('a' + i));
    SettingsModel after = before;  // "a" deleted: the others move up
    std::copy_n(&before.NamedSettings[1], 2, &after.NamedSettings[0]);
    after.Settings.PrinterCount = 2;
    // Past the count there is no setting to follow.
    for (const auto& [chosen, followed] : {std::pair{2, 1}, {0, -1}, {-1, -1}, {3, -1}})
        EXPECT_EQ(settings::FollowNamedSetting(before, after, chosen), followed) << chosen;
}

#include "SettingsEdits.h"

#include <gtest/gtest.h>

TEST(SettingsEdits, OnlyTitlesTheLoaderTakesForAFirstStartAreRefused) {
    for (const char* title : {"", "0"}) EXPECT_TRUE(settings::TitleMeansFirstStart(title)) << title;
    for (const char* title : {" ", "0 ", "\"0\"", "00", "ヴェルモ"}) EXPECT_FALSE(settings::TitleMeansFirstStart(title)) << title;
}

// Another dialog stored while this one was open: what it changed shows here,
// what this one edited and it did not change stays this one's edit.
TEST(SettingsEdits, StoredChangesReachTheWorkingCopyFieldByField) {
    SettingsRecord before;
    before.Title = "t";
    before.SelfTime = 5;
    SettingsRecord work = before, after = before;
    work.SelfTime = 9;            // edited here
    work.HotKeyButton[0] = 'Q';   // edited here, a different slot stored elsewhere
    after.ReversePrint = 1;       // stored elsewhere
    after.HotKeyButton[3] = 'R';
    after.DesktopMonitor = 1;
    after.Title = "u";
    work.Title = "w";             // both: the stored value wins, it is what the file holds
    settings::TakeStoredChanges(before, after, work);
    EXPECT_EQ(work.SelfTime, 9);
    EXPECT_EQ(work.HotKeyButton[0], 'Q');
    EXPECT_EQ(work.ReversePrint, 1);
    EXPECT_EQ(work.HotKeyButton[3], 'R');
    EXPECT_EQ(work.DesktopMonitor, 1);
    EXPECT_EQ(work.Title, "u");

    PrintSettings printBefore, printWork, printAfter;
    printWork.Pos = 5;
    printAfter.SizeP = 50;
    settings::TakeStoredChanges(printBefore, printAfter, printWork);
    EXPECT_EQ(printWork.Pos, 5);
    EXPECT_EQ(printWork.SizeP, 50);
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
    before.NamedSettings[0].Title = "a";
    before.NamedSettings[1].Title = "b";
    before.NamedSettings[2].Title = "c";
    SettingsModel after = before;  // "a" deleted: the others move up
    after.NamedSettings[0] = before.NamedSettings[1];
    after.NamedSettings[1] = before.NamedSettings[2];
    after.Settings.PrinterCount = 2;
    EXPECT_EQ(settings::FollowNamedSetting(before, after, 2), 1);
    EXPECT_EQ(settings::FollowNamedSetting(before, after, 0), -1);
    EXPECT_EQ(settings::FollowNamedSetting(before, after, -1), -1);
    EXPECT_EQ(settings::FollowNamedSetting(before, after, 3), -1);  // past the count: no setting
}

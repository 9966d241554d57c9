// Start-up pieces that run in-process: the command-line run's decisions and
// its error box, the application icon and the tray icon record.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "FrmPrint.h"
#include "FrmRuxa.h"
#include "Globals.h"
#include "Main.h"
#include "HumanSeam.h"
#include "TestFolder.h"
#include "Text.h"
#include "Tray.h"

using namespace BasRuxa;

namespace {

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        Model = SettingsModel{};
        // Valid settings that print a blank page, so a run never stops at a
        // printer or paper message.
        CurrentPrint.DeviceName = "PDF";
        CurrentPrint.Orientation = 1;
        CurrentPrint.Pos = 0;
        SetMessageBoxAnswerer([this](const MessageBoxCall& call) {
            boxes.push_back(call);
            return IDOK;
        });
        FrmRuxa::Load(GetModuleHandleW(nullptr));
    }
    void TearDown() override { SetMessageBoxAnswerer(nullptr); }

    void Run(const char* argumentText) {
        CmdLine = SplitCommandLine(argumentText);
        RunCommandLine();
    }

    std::vector<MessageBoxCall> boxes;
};

}  // namespace

TEST_F(StartupTest, MalformedCommandLinesShowTheErrorBoxOnly) {
    for (const char* line : {"/c", "-d", "/dx", "/a /h=2147483648", "/a /h=&H100000000"}) {
        boxes.clear();
        Run(line);
        ASSERT_EQ(boxes.size(), 1u) << line;
        EXPECT_EQ(boxes[0].text, "コマンドライン引数に誤りがあります。");
        EXPECT_EQ(boxes[0].title, "ルクサさん");
        EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_OK));
        EXPECT_EQ(AppState, StateCommandLine);
    }
}

TEST_F(StartupTest, CommandLineForcesConfirmationOffUnlessAsked) {
    Settings.ConfirmBeforePrint = 1;
    Run("/d");
    EXPECT_EQ(Settings.ConfirmBeforePrint, 0);
    Run("/d  /c");
    EXPECT_EQ(Settings.ConfirmBeforePrint, 1);
    EXPECT_TRUE(FrmPrint::Loaded());  // the print waits for the dialog
    FrmPrint::Unload();
    EXPECT_TRUE(boxes.empty());
}

TEST_F(StartupTest, CommandLineAppliesTheNamedSetting) {
    Settings.PrinterCount = 2;
    NamedSettings[0].Title = "縮小";
    NamedSettings[0].SizeP = 50;
    NamedSettings[1] = CurrentPrint;
    NamedSettings[1].Title = "拡大";
    NamedSettings[1].SizeP = 200;
    CurrentPrint.SizeP = 100;
    Run("/d /s:拡大");
    EXPECT_EQ(CurrentPrint.SizeP, 200);
    EXPECT_EQ(Settings.LastSet, 1);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(StartupTest, AnIconFileThatCannotBeLoadedFallsBackSilently) {
    TestFolder folder;
    Settings.Icon = text::Narrow(folder.File(L"missing.ico"));
    LoadAppIcon(GetModuleHandleW(nullptr));
    EXPECT_EQ(Settings.UsesDefaultIcon, -1);
    EXPECT_NE(SendMessageW(MainWindow::Handle(), WM_GETICON, ICON_SMALL, 0), 0);

    folder.Write(L"not-an-icon.ico", "plain text");
    Settings.Icon = text::Narrow(folder.File(L"not-an-icon.ico"));
    LoadAppIcon(GetModuleHandleW(nullptr));
    EXPECT_EQ(Settings.UsesDefaultIcon, -1);

    Settings.Icon.clear();
    LoadAppIcon(GetModuleHandleW(nullptr));
    EXPECT_EQ(Settings.UsesDefaultIcon, -1);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(StartupTest, TrayTipIsCutAt63CharactersAndComesBackWithTheTaskbar) {
    std::string title;
    for (int i = 0; i < 70; ++i) title += "あ";
    Tray::AddTrayIcon(MainWindow::Handle(), title);
    EXPECT_EQ(std::wstring(Tray::TrayData.szTip).size(), 63u);
    EXPECT_EQ(Tray::TrayData.uID, 1u);
    EXPECT_EQ(Tray::TrayData.uCallbackMessage, static_cast<UINT>(WM_MOUSEMOVE));
    EXPECT_NE(Tray::TrayData.hIcon, nullptr);
    ASSERT_TRUE(Tray::IsShown());

    // A restarted taskbar has lost every icon; ours is added again as it was.
    Tray::DeleteTrayIcon();
    Tray::AddTrayIcon(MainWindow::Handle(), "ヴェルモ");
    SendMessageW(MainWindow::Handle(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(Tray::IsShown());
    EXPECT_STREQ(Tray::TrayData.szTip, L"ヴェルモ");
    Tray::DeleteTrayIcon();
    EXPECT_FALSE(Tray::IsShown());
}

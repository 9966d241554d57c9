// Start-up pieces that run in-process: the command-line run's decisions and
// its error box, the application icon and the tray icon record.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "FrmPrint.h"
#include "FrmRuxa.h"
#include "Globals.h"
#include "PictureSurface.h"
#include "Main.h"
#include "HumanSeam.h"
#include "ShellFixture.h"
#include "TestFolder.h"
#include "Text.h"
#include "Tray.h"
#include "resource.h"

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
    void TearDown() override {
        SetMessageBoxAnswerer(nullptr);
        Tray::DeleteTrayIcon();
        Tray::TrayData = {};
    }

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

namespace {

// A 16 x 16 icon file of one colour, opaque.
std::string SolidIconFile(COLORREF colour) {
    std::string file;
    const auto put = [&](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) file += static_cast<char>(value >> (8 * i) & 0xFF);
    };
    const std::uint32_t pixels = 16 * 16 * 4, mask = 16 * 4, image = 40 + pixels + mask;
    put(0, 2), put(1, 2), put(1, 2);                                 // icon file with one image
    put(16, 1), put(16, 1), put(0, 1), put(0, 1), put(1, 2), put(32, 2), put(image, 4), put(22, 4);
    put(40, 4), put(16, 4), put(32, 4), put(1, 2), put(32, 2);      // colour and mask, stacked
    for (int i = 0; i < 6; ++i) put(0, 4);
    for (int i = 0; i < 16 * 16; ++i) put(GetBValue(colour) | GetGValue(colour) << 8 | GetRValue(colour) << 16, 4);
    put(0, mask);                                                   // nothing transparent
    return file;
}

std::uint32_t IconColour(HICON icon) {
    PictureSurface picture;
    picture.Resize(16, 16);
    DrawIconEx(picture.Dc(), 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL);
    return picture.Pixels()[8 * 16 + 8] & 0xFFFFFF;
}

}  // namespace

// The icon the tray and the dialogs take: the file's when it loads, the
// built-in 16 x 16 one when it cannot be used, and no message either way.
// The window shows another icon before each load, so a fallback that does
// nothing cannot pass.
TEST_F(StartupTest, AppIconComesFromTheFileOrFallsBackToTheBuiltInOne) {
    TestFolder folder;
    folder.Write(L"red.ico", SolidIconFile(RGB(255, 0, 0)));
    folder.Write(L"not-an-icon.ico", "plain text");
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const auto builtIn = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_PICICON), IMAGE_ICON, 16, 16, LR_SHARED));
    const HICON before = LoadIconW(nullptr, IDI_WARNING);
    const struct {
        const wchar_t* file;
        bool loads;
    } cases[] = {{L"red.ico", true}, {L"missing.ico", false}, {L"not-an-icon.ico", false}};
    for (const auto& c : cases) {
        FrmRuxa::SetIcon(before);
        Settings.Icon = text::Narrow(folder.File(c.file));
        LoadAppIcon(instance);
        EXPECT_EQ(Settings.UsesDefaultIcon, c.loads ? 0 : -1) << text::Narrow(c.file);
        if (c.loads) {
            EXPECT_EQ(IconColour(MainWindow::Icon()), 0xFF0000u);
        } else {
            EXPECT_EQ(MainWindow::Icon(), builtIn) << text::Narrow(c.file);
        }
    }

    // No icon file: the window keeps the icon it has.
    FrmRuxa::SetIcon(before);
    Settings.Icon.clear();
    LoadAppIcon(instance);
    EXPECT_EQ(Settings.UsesDefaultIcon, -1);
    EXPECT_EQ(MainWindow::Icon(), before);
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

// At logon the taskbar may not take icons yet. The tray here refuses a second
// icon of the same window and id, which stands for it: the test holds the id
// until the program has tried, then lets go.
TEST_F(StartupTest, TrayIconRefusedAtFirstComesLater) {
    const auto inTray = [] {
        NOTIFYICONDATAW probe{};
        probe.cbSize = sizeof probe;
        probe.hWnd = MainWindow::Handle();
        probe.uID = 1;
        return Shell_NotifyIconW(NIM_MODIFY, &probe) != FALSE;
    };
    for (const bool announced : {true, false}) {
        const char* how = announced ? "TaskbarCreated" : "retry";
        NOTIFYICONDATAW held{};
        held.cbSize = sizeof held;
        held.hWnd = MainWindow::Handle();
        held.uID = 1;
        ASSERT_TRUE(Shell_NotifyIconW(NIM_ADD, &held)) << how;
        Tray::AddTrayIcon(MainWindow::Handle(), "ヴェルモ");
        EXPECT_FALSE(Tray::IsShown()) << how;
        Shell_NotifyIconW(NIM_DELETE, &held);
        ASSERT_FALSE(inTray()) << how;

        if (announced) SendMessageW(MainWindow::Handle(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
        EXPECT_TRUE(PumpUntil(Tray::IsShown)) << how;
        EXPECT_TRUE(inTray()) << how;
        EXPECT_STREQ(Tray::TrayData.szTip, L"ヴェルモ") << how;
        Tray::DeleteTrayIcon();
    }
}

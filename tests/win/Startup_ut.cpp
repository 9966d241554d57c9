// Start-up pieces that run in-process: the command-line run's decisions and
// its error box, the application icon and the tray icon record.

#include "FrmPrint.h"
#include "Main.h"
#include "ShellFixture.h"
#include "Tray.h"
#include "resource.h"

using namespace BasRuxa;

namespace {

// Valid settings that print a blank page, so a run never stops at a printer
// or paper message.
class StartupTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        CurrentPrint.Pos = 0;
    }
    void Run(const char* argumentText) {
        CmdLine = SplitCommandLine(argumentText);
        RunCommandLine();
    }
};

std::uint32_t IconColour(HICON icon) {
    PictureSurface picture;
    picture.Resize(16, 16);
    DrawIconEx(picture.Dc(), 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL);
    return picture.Pixels()[8 * 16 + 8] & 0xFFFFFF;
}

void TaskbarCreated() { SendMessageW(MainWindow::Handle(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0); }

}  // namespace

TEST_F(StartupTest, MalformedCommandLinesShowTheErrorBoxOnly) {
    for (const char* line : {"/c", "-d", "/dx", "/a /h=2147483648", "/a /h=&H100000000"}) {
        SCOPED_TRACE(line);
        boxes.clear();
        Run(line);
        ASSERT_EQ(boxes.size(), 1u);
        ExpectBox(0, "コマンドライン引数に誤りがあります。", "ルクサさん");
        EXPECT_EQ(AppState, StateCommandLine);
    }
}

TEST_F(StartupTest, CommandLineForcesConfirmationOffUnlessAskedAndAppliesTheNamedSetting) {
    Settings.ConfirmBeforePrint = 1;
    Run("/d");
    EXPECT_EQ(Settings.ConfirmBeforePrint, 0);
    Run("/d  /c");
    EXPECT_EQ(Settings.ConfirmBeforePrint, 1);
    EXPECT_TRUE(FrmPrint::Loaded());  // the print waits for the dialog
    FrmPrint::Unload();

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

// The icon the tray and the dialogs take: the file's when it loads, the
// built-in 16 x 16 one when it cannot be used, and no message either way.
// The window shows another icon before each load, so a fallback that does
// nothing cannot pass.
TEST_F(StartupTest, AppIconComesFromTheFileOrFallsBackToTheBuiltInOne) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const auto builtIn = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_PICICON), IMAGE_ICON, 16, 16, LR_SHARED));
    const HICON before = LoadIconW(nullptr, IDI_WARNING);
    const struct {
        const wchar_t* file;
        bool loads;
    } cases[] = {{L"red16.ico", true}, {L"missing.ico", false}, {L"text.jpg", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(text::Narrow(c.file));
        FrmRuxa::SetIcon(before);
        Settings.Icon = text::Narrow(TestData(c.file));
        LoadAppIcon(instance);
        EXPECT_EQ(Settings.UsesDefaultIcon, c.loads ? 0 : -1);
        if (c.loads) {
            EXPECT_EQ(IconColour(MainWindow::Icon()), 0xFF0000u);
        } else {
            EXPECT_EQ(MainWindow::Icon(), builtIn);
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
    TaskbarCreated();
    EXPECT_TRUE(Tray::IsShown());
    EXPECT_STREQ(Tray::TrayData.szTip, L"ヴェルモ");
    Tray::DeleteTrayIcon();
    EXPECT_FALSE(Tray::IsShown());
}

// At logon the taskbar may not take icons yet. The tray here refuses a second
// icon of the same window and id, which stands for it: the test holds the id
// until the program has tried, then lets go.
TEST_F(StartupTest, TrayIconRefusedAtFirstComesLater) {
    NOTIFYICONDATAW held{};
    held.cbSize = sizeof held;
    held.uID = 1;
    const auto inTray = [&] {
        NOTIFYICONDATAW probe = held;
        return Shell_NotifyIconW(NIM_MODIFY, &probe) != FALSE;
    };
    for (const bool announced : {true, false}) {
        SCOPED_TRACE(announced ? "TaskbarCreated" : "retry");
        held.hWnd = MainWindow::Handle();
        ASSERT_TRUE(Shell_NotifyIconW(NIM_ADD, &held));
        Tray::AddTrayIcon(MainWindow::Handle(), "ヴェルモ");
        EXPECT_FALSE(Tray::IsShown());
        Shell_NotifyIconW(NIM_DELETE, &held);
        ASSERT_FALSE(inTray());

        if (announced) TaskbarCreated();
        EXPECT_TRUE(PumpUntil(Tray::IsShown));
        EXPECT_TRUE(inTray());
        EXPECT_STREQ(Tray::TrayData.szTip, L"ヴェルモ");
        Tray::DeleteTrayIcon();
    }
}

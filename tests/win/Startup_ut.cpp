// Start-up in-process: the command-line run's decisions, its error box and
// exit codes, the application icon and the tray icon.
#include "AppIcon.h"
#include "Main.h"
#include "ResidentInstance.h"
#include "ShellFixture.h"
#include "Tray.h"
#include "resource.h"

using namespace BasRuxa;

namespace {

// Settings that print a blank page, so a run never stops at a printer message.
class StartupTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        SetSettings([](SettingsModel& s) { s.CurrentPrint.Pos = 0; });
    }
    void Run(const char* argumentText) {
        Restart(true);
        main->RunCommandLine(ParseCommandLine(SplitCommandLine(argumentText), CurrentPrint.Title));
    }
    void TaskbarCreated() { SendMessageW(main->Handle(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0); }
};

std::uint32_t IconColour(HICON icon) {
    PictureSurface picture;
    picture.Resize(16, 16);
    DrawIconEx(picture.Dc(), 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL);
    return picture.Pixels()[8 * 16 + 8] & 0xFFFFFF;
}

}  // namespace

TEST_F(StartupTest, MalformedCommandLinesShowTheErrorBoxAndEndWithTheirCode) {
    for (const char* line : {"/c", "-d", "/dx", "/a /h=2147483648", "/a /h=&H100000000"}) {
        SCOPED_TRACE(line);
        boxes.clear();
        Run(line);
        ExpectBox(0, "コマンドライン引数に誤りがあります。", "ルクサさん");
        EXPECT_EQ(main->Handle(), nullptr);
        EXPECT_EQ(main->ExitCode(), RunExit::BadCommandLine);
    }
}

// "/c" confirms whatever the settings say (without, it never does:
// first_start_no_printer.sh); a named setting applies to the run, unstored.
TEST_F(StartupTest, CommandLineConfirmsWhenAskedAndAppliesTheNamedSetting) {
    PrintSettings large = CurrentPrint;
    large.Title = "拡大";
    large.SizeP = 200;
    SetNamedSettings({CurrentPrint, large});
    ASSERT_EQ(Settings.ConfirmBeforePrint, 0);
    Run("/d  /c /s:拡大");
    ASSERT_TRUE(main->PrintDialog().Loaded());  // the print waits for the dialog
    EXPECT_EQ(main->PrintDialog().WorkPrint.SizeP, 200);
    EXPECT_EQ(main->PrintDialog().WorkSettings.LastSet, 1);
    EXPECT_EQ(CurrentPrint.SizeP, 0);
    EXPECT_EQ(Settings.LastSet, -1);
    main->PrintDialog().BtnCancel_Click();
    EXPECT_EQ(main->ExitCode(), RunExit::Cancelled);
    EXPECT_FALSE(folder.Exists(L"ruxa.ini"));  // closing stores nothing
    EXPECT_TRUE(boxes.empty());
}

// The icon: the file's when it loads, else the built-in one, silently; the
// window shows another before each load, so a fallback doing nothing fails.
TEST_F(StartupTest, AppIconComesFromTheFileOrFallsBackToTheBuiltInOne) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const auto builtIn = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_PICICON), IMAGE_ICON, 16, 16, LR_SHARED));
    const HICON before = LoadIconW(nullptr, IDI_WARNING);
    const struct {
        const wchar_t* file;
        bool loads;
    } cases[] = {{L"red16.ico", true}, {L"missing.ico", false}, {L"text.jpg", false}, {nullptr, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file ? text::Narrow(c.file) : "no icon file");
        main->SetIcon(before);
        SetSettings([&](SettingsModel& s) { s.Settings.Icon = c.file ? text::Narrow(TestData(c.file)) : ""; });
        const unique_hicon icon = LoadAppIcon(instance, *main);
        EXPECT_EQ(Settings.UsesDefaultIcon, c.loads ? 0 : -1);
        if (c.loads) EXPECT_EQ(IconColour(AppIcon::Main()), 0xFF0000u);
        // No icon file: the window keeps the icon it has.
        else EXPECT_EQ(AppIcon::Main(), c.file ? builtIn : before);
    }
    EXPECT_TRUE(boxes.empty());
}

// The tip is cut at 63 characters. The icon has the small-icon size of the
// primary monitor's DPI, followed through WM_DPICHANGED and WM_SETTINGCHANGE.
// "TaskbarCreated" also comes when the taskbar kept its icons: ours stays.
TEST_F(StartupTest, TrayIconFollowsTheDpiAndTheTaskbar) {
    const auto iconWidth = [] {
        ICONINFO info{};
        if (!GetIconInfo(Tray::TrayData.hIcon, &info)) return 0;
        const unique_hbitmap mask(info.hbmMask), colour(info.hbmColor);
        BITMAP bitmap{};
        GetObjectW(info.hbmMask, sizeof bitmap, &bitmap);
        return static_cast<int>(bitmap.bmWidth);
    };
    Tray::AddTrayIcon(main->Handle(), text::Narrow(std::wstring(70, L'あ')));
    ASSERT_TRUE(Tray::IsShown());
    EXPECT_EQ(std::wstring(Tray::TrayData.szTip).size(), 63u);
    const UINT dpi = Tray::NotificationAreaDpi();
    const int normal = GetSystemMetricsForDpi(SM_CXSMICON, dpi), larger = GetSystemMetricsForDpi(SM_CXSMICON, dpi * 2);
    ASSERT_GT(larger, normal);
    EXPECT_EQ(iconWidth(), normal);
    SendMessageW(main->Handle(), WM_DPICHANGED, MAKEWPARAM(dpi * 2, dpi * 2), 0);
    EXPECT_EQ(iconWidth(), larger);
    SendMessageW(main->Handle(), WM_SETTINGCHANGE, 0, 0);
    EXPECT_EQ(iconWidth(), normal);

    TaskbarCreated();
    EXPECT_TRUE(Tray::IsShown());
    Tray::DeleteTrayIcon();
    EXPECT_FALSE(Tray::IsShown());
}

// At logon the taskbar may not take icons yet; here an icon of the same window
// and id, held until the program has tried, stands for that.
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
        held.hWnd = main->Handle();
        ASSERT_TRUE(Shell_NotifyIconW(NIM_ADD, &held));
        Tray::AddTrayIcon(main->Handle(), "ヴェルモ");
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

// A copy that is ending has no window left but holds its claim a moment
// longer: the next start takes the claim once it goes, not handing over to nobody.
TEST(ResidentInstance, StartAfterACopyThatIsEndingBecomesResident) {
    std::thread ending([] {
        HANDLE claim = CreateMutexW(nullptr, TRUE, L"Local\\RuxaResident");
        Sleep(300);
        CloseHandle(claim);  // let go without a release, as a process that ends
    });
    Sleep(50);
    const unique_mutex claim = ClaimResidence();
    ending.join();
    EXPECT_TRUE(claim);
}

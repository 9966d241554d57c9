// The tray menus and the delayed captures on the real hidden main window:
// menu layout, arming, the timers firing, cancelling and the tray icon.

#include "Form.h"
#include "FrmAbout.h"
#include "FrmCustom.h"
#include "FrmOption.h"
#include "ShellFixture.h"
#include "Tray.h"

using namespace BasRuxa;
using namespace FrmRuxa;

namespace {

// A menu's item captions in order, "-" for a separator.
std::vector<std::wstring> Captions(HMENU menu) {
    std::vector<std::wstring> captions;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[64] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 64;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        captions.push_back(info.fType & MFT_SEPARATOR ? L"-" : text);
    }
    return captions;
}

bool NoTimerRuns() { return !Timer1().Enabled() && !Timer2().Enabled() && !Timer3().Enabled(); }

// Lets the timers tick for a while, as a modal box's own message loop does.
void PumpFor(DWORD milliseconds) {
    const ULONGLONG until = GetTickCount64() + milliseconds;
    PumpUntil([&] { return GetTickCount64() >= until; });
}

unique_hwnd ShowWindowAt(int x) {
    unique_hwnd window(CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE, x, 50, 120, 40, nullptr,
                                       nullptr, nullptr, nullptr));
    SetForegroundWindow(window.get());
    return window;
}

// The active-window print: armed, then another window is activated.
void PrintTheNextActiveWindow() {
    static unique_hwnd before, after;
    before = ShowWindowAt(40);
    Pop_AwCopy_Click();
    PumpUntil([] { return PrevForeground != nullptr; });
    after = ShowWindowAt(200);
}

}  // namespace

TEST_F(ShellTest, MenusHaveTheirCaptionsInOrder) {
    using Items = std::vector<std::wstring>;
    EXPECT_EQ(Captions(Pop_Menu1()), (Items{L"ﾊｰﾄﾞｺﾋﾟｰ(&H)", L"ｺﾋﾟｰ(&C)", L"-", L"ｵﾌﾟｼｮﾝ(&O)", L"-", L"ﾍﾙﾌﾟ(&H)",
                                             L"ﾊﾞｰｼﾞｮﾝ情報(&A)", L"-", L"終了(&X)"}));
    for (int sub : {0, 1})
        EXPECT_EQ(Captions(GetSubMenu(Pop_Menu1(), sub)),
                  (Items{L"ﾃﾞｽｸﾄｯﾌﾟ全体(&D)", L"ｱｸﾃｨﾌﾞなｳｨﾝﾄﾞｳ(&A)", L"領域指定(&C)", L"ﾌｧｲﾙ指定(&F)"}));
    EXPECT_EQ(Captions(Pop_Menu2()), Items{L"ｷｬﾝｾﾙ(&C)"});
}

TEST_F(ShellTest, DesktopCopyWaitsForItsTimerThenReturnsToIdle) {
    PutTextOnClipboard();
    Pop_DtCapture_Click();
    EXPECT_EQ(AppState, StateDtCapture);
    EXPECT_TRUE(Timer1().Enabled());
    EXPECT_EQ(Timer1().Interval(), 100);
    EXPECT_EQ(ReadClipboardImage().width, 0);  // nothing inside the menu command itself

    ASSERT_TRUE(PumpUntil([] { return AppState == StateIdle; }));
    const ClipboardImage image = ReadClipboardImage();
    EXPECT_EQ(image.width, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(image.height, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_TRUE(NoTimerRuns());
}

TEST_F(ShellTest, SelfTimerDelayIsSetBeforeEachArming) {
    Settings.SelfTimer = 1;
    Settings.SelfTime = 33;  // past what 16-bit milliseconds hold
    Pop_RsCopy_Click();
    EXPECT_EQ(Timer1().Interval(), 33000);
    EXPECT_EQ(AppState, StateRsCopy);
    Settings.SelfTime = 2;
    Pop_DtCopy_Click();  // re-arming: the newest request and delay win
    EXPECT_EQ(Timer1().Interval(), 2000);
    EXPECT_EQ(AppState, StateDtCopy);
    Pop_AwCopy_Click();
    EXPECT_EQ(Timer2().Interval(), 100);
    EXPECT_EQ(PrevForeground, nullptr);
    EXPECT_EQ(AppState, StateAwCopy);
    Pop_Can_Click();
    EXPECT_EQ(AppState, StateIdle);
    EXPECT_TRUE(NoTimerRuns());
}

TEST_F(ShellTest, SupersededWatchStopsSoNothingPollsWhileIdle) {
    PutTextOnClipboard();
    Pop_AwCapture_Click();
    EXPECT_TRUE(Timer2().Enabled());
    Pop_DtCapture_Click();
    ASSERT_TRUE(PumpUntil([] { return AppState == StateIdle; }));
    ASSERT_TRUE(PumpUntil(NoTimerRuns));
    EXPECT_EQ(ReadClipboardImage().width, GetSystemMetrics(SM_CXSCREEN));
}

TEST_F(ShellTest, HiddenIconComesBackAfterCaptureOrCancel) {
    Settings.IconDelete = 1;
    Tray::AddTrayIcon(MainWindow::Handle(), "ヴェルモ");
    ASSERT_TRUE(Tray::IsShown());

    Pop_DtCapture_Click();
    EXPECT_FALSE(Tray::IsShown());
    ASSERT_TRUE(PumpUntil([] { return AppState == StateIdle; }));
    EXPECT_TRUE(Tray::IsShown());
    EXPECT_STREQ(Tray::TrayData.szTip, L"ｳﾞｪﾙﾓ");

    // Cancelled, nothing is captured, yet the tray must not stay empty.
    Pop_RsCapture_Click();
    EXPECT_FALSE(Tray::IsShown());
    Pop_Can_Click();
    EXPECT_TRUE(Tray::IsShown());

    // Replaced by an active-window request before it fired: the same.
    Pop_DtCopy_Click();
    Pop_AwCopy_Click();
    ASSERT_TRUE(PumpUntil([] { return !Timer1().Enabled(); }));
    EXPECT_TRUE(Tray::IsShown());
    Pop_Can_Click();
    Tray::DeleteTrayIcon();
}

// A print that ends in a printer message box: while the box is open the user
// presses a hot key or cancels from the tray, and the box is answered after
// the newer request's timer has run out.
TEST_F(ShellTest, RequestsMadeWhileAMessageBoxIsOpenAreCarriedOut) {
    const struct {
        const char* what;
        void (*print)();     // ends in the box
        void (*meanwhile)();
        std::int16_t iconDelete;
        std::size_t boxes;  // the first print's and any later one's
        bool copied;        // the desktop reached the clipboard
    } cases[] = {
        {"desktop print, then a desktop copy", Pop_DtCopy_Click, Pop_DtCapture_Click, 1, 1, true},
        {"desktop print, then the same again", Pop_DtCopy_Click, Pop_DtCopy_Click, 1, 2, false},
        {"desktop print, then a print cancelled from the tray", Pop_DtCopy_Click,
         [] {
             Pop_DtCopy_Click();
             Pop_Can_Click();
         },
         0, 1, false},
        {"window print, then a desktop copy", PrintTheNextActiveWindow, Pop_DtCapture_Click, 1, 1, true},
    };

    CurrentPrint.PaperSize = 12;  // not offered by the PDF queue: a paper size message
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Settings.IconDelete = c.iconDelete;
        Tray::AddTrayIcon(MainWindow::Handle(), "ヴェルモ");
        PutTextOnClipboard();
        boxes.clear();
        SetMessageBoxAnswerer([&](const MessageBoxCall& call) {
            boxes.push_back(call);
            if (boxes.size() == 1) {
                c.meanwhile();
                PumpFor(400);
            }
            return IDOK;
        });

        c.print();
        ASSERT_TRUE(PumpUntil([&] { return boxes.size() >= c.boxes && AppState == StateIdle && NoTimerRuns(); }));
        PumpFor(300);  // nothing more follows
        EXPECT_EQ(boxes.size(), c.boxes);
        EXPECT_EQ(boxes[0].title, "用紙サイズエラー");
        EXPECT_EQ(ReadClipboardImage().width, c.copied ? GetSystemMetrics(SM_CXSCREEN) : 0);
        EXPECT_EQ(AppState, StateIdle);
        EXPECT_TRUE(Tray::IsShown());
    }
}

TEST_F(ShellTest, DialogItemsSetTheirStatesAndLeaveTheTrayUsable) {
    // A dialog holds its state while it is open, one window however often
    // it is asked for; closing it returns to idle.
    Pop_Option_Click();
    EXPECT_EQ(AppState, StateOption);
    FrmOption::Unload();
    EXPECT_EQ(AppState, StateIdle);
    Pop_About_Click();
    const HWND about = FrmAbout::Window()->Handle();
    Pop_About_Click();
    EXPECT_EQ(FrmAbout::Window()->Handle(), about);
    EXPECT_EQ(AppState, StateAbout);
    FrmAbout::Window()->Raise(IDCANCEL, BN_CLICKED);  // Esc and the close box
    EXPECT_EQ(FrmAbout::Window(), nullptr);
    EXPECT_EQ(AppState, StateIdle);
    EXPECT_TRUE(NoTimerRuns());
}

TEST_F(ShellTest, CancelClosesTheSelectionWhateverTheState) {
    Pop_RsCapture_Click();
    ASSERT_TRUE(PumpUntil([] { return FrmCustom::Window() != nullptr; }));
    EXPECT_EQ(AppState, StateRsCapture);
    AppState = StateDtCapture;  // a hot key armed another capture meanwhile
    Pop_Can_Click();
    EXPECT_EQ(FrmCustom::Window(), nullptr);
    EXPECT_EQ(AppState, StateIdle);
    EXPECT_TRUE(NoTimerRuns());
}

TEST_F(ShellTest, EndRemovesTheIconAndEndsTheLoop) {
    Tray::AddTrayIcon(MainWindow::Handle(), "ヴェルモ");
    NOTIFYICONDATAW icon = Tray::TrayData;
    icon.uFlags = 0;
    ASSERT_TRUE(Shell_NotifyIconW(NIM_MODIFY, &icon));
    Pop_End_Click();
    EXPECT_EQ(MainWindow::Handle(), nullptr);
    EXPECT_FALSE(Tray::IsShown());
    MSG msg;
    EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
}

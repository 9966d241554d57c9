// Requests on the real hidden main window: delayed captures (arming, timers,
// cancelling, the tray icon), hot keys (atoms, a shared combination's slot,
// WM_HOTKEY, the store), and the region selection, driven by mouse messages, on
// the frozen desktop. The menus' items: tests/e2e/shell_tray_menus.sh.
#include "BasHotKey.h"
#include "Form.h"
#include "ShellFixture.h"
#include "ShellRules.h"
#include "Tray.h"

using namespace BasRuxa;

namespace {

ATOM FindAtom(int slot) { return GlobalFindAtomW(text::Widen(shell::HotKeyAtomName(slot)).c_str()); }

void EnableSlot(SettingsModel& s, int slot, int key) {
    s.Settings.HotKeyOn[slot] = s.Settings.HotKeyALT[slot] = s.Settings.HotKeyCTRL[slot] = 1;
    s.Settings.HotKeyButton[slot] = static_cast<std::int16_t>(key);
}

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

class ShellMenusTest : public ShellTest {
protected:
    bool NoTimerRuns() { return !main->Timer1().Enabled() && !main->Timer2().Enabled() && !main->Timer3().Enabled(); }

    // The active-window print: armed, then another window is activated.
    void PrintTheNextActiveWindow() {
        before = ShowWindowAt(40);
        main->Pop_AwCopy_Click();
        PumpUntil([&] { return main->PrevForeground != nullptr; });
        after = ShowWindowAt(200);
    }

    unique_hwnd before, after;
};

class RegionTest : public ShellTest {
protected:
    FrmCustom& Selection() { return main->RegionSelection(); }
    HWND Picture() { return FindWindowExW(Selection().Window(), nullptr, FrmCustom::PictureClassName, nullptr); }
    void Mouse(UINT message, int x, int y) { SendMessageW(Picture(), message, 0, MAKELPARAM(x, y)); }
};

class HotKeyTest : public ShellTest {
protected:
    void SendHotKey(WPARAM id) { SendMessageW(main->Handle(), WM_HOTKEY, id, 0); }
    WPARAM IdOf(int slot) { return static_cast<WPARAM>(static_cast<INT_PTR>(BasHotKey::HotKeyId[slot])); }
};

}  // namespace

// A desktop copy replaces an active-window copy's watch for the next window
// and waits for its timer. Each arming sets the self-timer's delay anew and
// the newest request wins; the cancel item ends whatever is armed, an open
// selection included. A dialog holds its state while open, one window however
// often asked for; closing it returns to idle (the options dialog: Options_ut).
TEST_F(ShellMenusTest, ArmingSetsTheDelayCancelEndsAnyStateAndDialogsHoldTheirs) {
    PutTextOnClipboard();
    main->Pop_AwCapture_Click();
    EXPECT_TRUE(main->Timer2().Enabled());
    main->Pop_DtCapture_Click();
    EXPECT_EQ(AppState, StateDtCapture);
    EXPECT_TRUE(main->Timer1().Enabled());
    EXPECT_EQ(main->Timer1().Interval(), 100);
    EXPECT_EQ(ReadClipboardImage().width, 0);  // nothing inside the menu command itself
    ASSERT_TRUE(PumpUntil([&] { return AppState == StateIdle && NoTimerRuns(); }));
    EXPECT_EQ(ReadClipboardImage().width, GetSystemMetrics(SM_CXSCREEN));

    SetSettings([](SettingsModel& s) {
        s.Settings.SelfTimer = 1;
        s.Settings.SelfTime = 33;  // past what 16-bit milliseconds hold
    });
    main->Pop_RsCopy_Click();
    EXPECT_EQ(main->Timer1().Interval(), 33000);
    EXPECT_EQ(AppState, StateRsCopy);
    SetSettings([](SettingsModel& s) { s.Settings.SelfTime = 2; });
    main->Pop_DtCopy_Click();
    EXPECT_EQ(main->Timer1().Interval(), 2000);
    EXPECT_EQ(AppState, StateDtCopy);
    main->Pop_AwCopy_Click();
    EXPECT_EQ(main->Timer2().Interval(), 100);
    EXPECT_EQ(main->PrevForeground, nullptr);
    EXPECT_EQ(AppState, StateAwCopy);
    main->Pop_Can_Click();
    EXPECT_EQ(AppState, StateIdle);
    EXPECT_TRUE(NoTimerRuns());

    SetSettings([](SettingsModel& s) { s.Settings.SelfTimer = 0; });
    main->Pop_RsCapture_Click();
    ASSERT_TRUE(PumpUntil([&] { return main->RegionSelection().Window() != nullptr; }));
    EXPECT_EQ(AppState, StateRsCapture);
    main->Pop_DtCapture_Click();  // a hot key armed another capture meanwhile
    main->Pop_Can_Click();
    EXPECT_EQ(main->RegionSelection().Window(), nullptr);
    EXPECT_EQ(AppState, StateIdle);
    EXPECT_TRUE(NoTimerRuns());

    main->Pop_About_Click();
    const HWND about = main->AboutBox().Window()->Handle();
    main->Pop_About_Click();
    EXPECT_EQ(main->AboutBox().Window()->Handle(), about);
    EXPECT_EQ(AppState, StateAbout);
    main->AboutBox().Window()->Raise(IDCANCEL, BN_CLICKED);  // Esc and the close box
    EXPECT_EQ(main->AboutBox().Window(), nullptr);
    EXPECT_EQ(AppState, StateIdle);
    EXPECT_TRUE(NoTimerRuns());
}

TEST_F(ShellMenusTest, HiddenIconComesBackAfterCaptureOrCancel) {
    SetSettings([](SettingsModel& s) { s.Settings.IconDelete = 1; });
    Tray::AddTrayIcon(main->Handle(), "ヴェルモ");
    ASSERT_TRUE(Tray::IsShown());

    main->Pop_DtCapture_Click();
    EXPECT_FALSE(Tray::IsShown());
    ASSERT_TRUE(PumpUntil([&] { return AppState == StateIdle; }));
    EXPECT_TRUE(Tray::IsShown());
    EXPECT_STREQ(Tray::TrayData.szTip, L"ｳﾞｪﾙﾓ");

    // Cancelled, nothing is captured, yet the tray must not stay empty.
    main->Pop_RsCapture_Click();
    EXPECT_FALSE(Tray::IsShown());
    main->Pop_Can_Click();
    EXPECT_TRUE(Tray::IsShown());

    // Replaced by an active-window request before it fired: the same.
    main->Pop_DtCopy_Click();
    main->Pop_AwCopy_Click();
    ASSERT_TRUE(PumpUntil([&] { return !main->Timer1().Enabled(); }));
    EXPECT_TRUE(Tray::IsShown());
    main->Pop_Can_Click();
}

// While a print's printer message box is open the user presses a hot key or
// cancels from the tray; the box is answered after the newer timer ran out.
TEST_F(ShellMenusTest, RequestsMadeWhileAMessageBoxIsOpenAreCarriedOut) {
    using Step = std::function<void()>;
    const Step desktopPrint = [&] { main->Pop_DtCopy_Click(); }, desktopCopy = [&] { main->Pop_DtCapture_Click(); };
    const struct {
        const char* what;
        Step print;  // ends in the box
        Step meanwhile;
        std::int16_t iconDelete;
        std::size_t boxes;  // the first print's and any later one's
        bool copied;        // the desktop reached the clipboard
    } cases[] = {
        {"desktop print, then a desktop copy", desktopPrint, desktopCopy, 1, 1, true},
        {"desktop print, then the same again", desktopPrint, desktopPrint, 1, 2, false},
        {"desktop print, then a print cancelled from the tray", desktopPrint,
         [&] {
             main->Pop_DtCopy_Click();
             main->Pop_Can_Click();
         },
         0, 1, false},
        {"window print, then a desktop copy", [&] { PrintTheNextActiveWindow(); }, desktopCopy, 1, 1, true},
    };

    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetSettings([&](SettingsModel& s) {
            s.CurrentPrint.PaperSize = 12;  // not offered by the PDF queue: a paper size message
            s.Settings.IconDelete = c.iconDelete;
        });
        Tray::AddTrayIcon(main->Handle(), "ヴェルモ");
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

// Another program closing the hidden window ends the program as 終了(&X)
// does: the icon goes, the loop ends, the hot keys and their atoms are given back.
TEST_F(ShellMenusTest, ClosedByAnotherProgramRemovesTheIconReleasesTheHotKeysAndEndsTheLoop) {
    SetSettings([](SettingsModel& s) { EnableSlot(s, 0, 'P'); });
    Restart(false);
    ASSERT_FALSE(CombinationIsFree('P'));
    Tray::AddTrayIcon(main->Handle(), "ヴェルモ");
    NOTIFYICONDATAW icon = Tray::TrayData;
    icon.uFlags = 0;
    ASSERT_TRUE(Shell_NotifyIconW(NIM_MODIFY, &icon));
    SendMessageW(main->Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(main->Handle(), nullptr);
    EXPECT_FALSE(Tray::IsShown());
    EXPECT_TRUE(CombinationIsFree('P'));
    EXPECT_EQ(FindAtom(0), 0);
    MSG msg;
    EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 0u);
}

TEST_F(HotKeyTest, FirstStartBindingsLeaveTheCombinationToSlotZero) {
    SetSettings([](SettingsModel& s) {
        for (int slot = 0; slot < HotKeySlotCount; ++slot) EnableSlot(s, slot, 'P');
    });
    Restart(false);
    for (int slot = 0; slot < HotKeySlotCount; ++slot) {
        ASSERT_NE(FindAtom(slot), 0) << slot;
        EXPECT_EQ(BasHotKey::Refused(slot), slot != 0) << slot;
    }
    EXPECT_FALSE(CombinationIsFree('P'));
    // A second release gives back nothing that another holder still needs (the
    // first: ShellMenusTest.ClosedByAnother...).
    BasHotKey::ReleaseHotKeys(main->Handle());
    const ATOM other = GlobalAddAtomW(L"RUXAHOTKEY0");
    BasHotKey::ReleaseHotKeys(main->Handle());
    EXPECT_EQ(FindAtom(0), other);
    GlobalDeleteAtom(other);
}

// Each identifier reaches its slot's action and no other; whatever stores the
// settings, the keys registered are those stored (a held key retried: OptionsTest).
TEST_F(HotKeyTest, RegistrationsFollowEveryStoreAndEachIdentifierReachesItsSlot) {
    SetSettings([](SettingsModel& s) {
        EnableSlot(s, 0, 'P');
        EnableSlot(s, 4, 'C');
        EnableSlot(s, 6, 'R');
        s.Settings.HotKeySHIFT[6] = 1;
    });
    Restart(false);
    EXPECT_FALSE(CombinationIsFree('C'));
    EXPECT_FALSE(CombinationIsFree('R', MOD_ALT | MOD_CONTROL | MOD_SHIFT));
    EXPECT_TRUE(CombinationIsFree('R'));
    SendHotKey(IdOf(6));
    EXPECT_EQ(AppState, StateRsCapture);
    SendHotKey(IdOf(4));
    EXPECT_EQ(AppState, StateDtCapture);
    main->Pop_Can_Click();
    // Identifiers that are not ours do nothing, 0 and a released slot's included.
    for (const WPARAM id : {WPARAM{0}, WPARAM{12345}, IdOf(3)}) SendHotKey(id);
    EXPECT_EQ(AppState, StateIdle);

    ASSERT_FALSE(CombinationIsFree('P'));
    CommitSettings([](SettingsModel& s) {
        s.Settings.HotKeyButton[0] = 'Q';
        EnableSlot(s, 2, 'W');
    });
    EXPECT_TRUE(CombinationIsFree('P'));
    EXPECT_FALSE(CombinationIsFree('Q'));
    EXPECT_FALSE(CombinationIsFree('W'));

    // A command-line run registers none and follows no store.
    Restart(true);
    EXPECT_EQ(FindAtom(0), 0);
    EXPECT_TRUE(CombinationIsFree('Q'));
    CommitSettings([](SettingsModel& s) { s.Settings.HotKeyButton[0] = 'Y'; });
    EXPECT_TRUE(CombinationIsFree('Y'));
}

// The selection lies on top with the cross-hair cursor (over every monitor:
// two_monitors.sh); a release after a drag copies, one without a press is none.
TEST_F(RegionTest, SelectionCoversTheScreenAndReleaseAfterADragCopiesTheRectangle) {
    main->Pop_RsCapture_Click();
    ASSERT_TRUE(PumpUntil([&] { return Selection().Window() != nullptr; }));
    // The real desktop, swapped for the pattern.
    Selection().Unload();
    Selection().Load(PatternPicture(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
    PumpPending();
    const HWND form = Selection().Window();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(GetWindowLongW(form, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(GetWindowLongW(form, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME | WS_BORDER), 0);
    ICONINFO cursor{};
    ASSERT_TRUE(GetIconInfo(reinterpret_cast<HCURSOR>(GetClassLongPtrW(Picture(), GCLP_HCURSOR)), &cursor));
    const unique_hbitmap mask(cursor.hbmMask), colour(cursor.hbmColor);
    BITMAP masks{};
    GetObjectW(cursor.hbmMask, sizeof masks, &masks);
    // A monochrome cursor, AND mask over XOR mask, whose hot spot is the cross.
    EXPECT_EQ(std::tuple(cursor.fIcon, cursor.xHotspot, cursor.yHotspot, masks.bmWidth, masks.bmHeight),
              std::tuple(FALSE, 15u, 16u, 32, 64));

    PutTextOnClipboard();
    Mouse(WM_LBUTTONUP, 30, 40);
    EXPECT_NE(Selection().Window(), nullptr);

    Mouse(WM_MOUSEMOVE, 50, 50);  // no press yet: nothing is drawn
    Mouse(WM_LBUTTONDOWN, 100, 200);
    EXPECT_EQ(Selection().Dragging, -1);
    Mouse(WM_MOUSEMOVE, 120, 230);
    {
        const unique_window_dc dc = GetDcOf(Picture());
        const HDC shown = dc.get().dc;
        EXPECT_EQ(GetPixel(shown, 100, 200), RGB(128, 128, 128));
        EXPECT_EQ(GetPixel(shown, 120, 230), RGB(128, 128, 128));
        EXPECT_EQ(GetPixel(shown, 110, 215), RGB(110, 215, 0x5A));  // the snapshot inside the box
        EXPECT_EQ(GetPixel(shown, 50, 50), RGB(50, 50, 0x5A));
    }
    // A right press stops the rubber band; the left release still cuts from the left press.
    Mouse(WM_RBUTTONDOWN, 120, 230);
    EXPECT_EQ(Selection().Dragging, 0);
    Mouse(WM_LBUTTONUP, 90, 190);
    EXPECT_EQ(Selection().Window(), nullptr);
    const ClipboardImage image = ReadClipboardImage();
    EXPECT_EQ(image.width, 11);
    EXPECT_EQ(image.pixels, Pattern(90, 190, 11, 11));
}

// Another program's WM_CLOSE (as Alt+F4) or the session's end is a cancel:
// nothing output, back to idle (a command-line run so ended: two_monitors.sh).
TEST_F(RegionTest, SelectionClosedAnyOtherWayIsACancel) {
    SetSettings([](SettingsModel& s) { s.CurrentPrint.PaperSize = 12; });  // a print would show a message
    for (const auto& [message, wParam] : {std::pair<UINT, WPARAM>{WM_CLOSE, 0}, {WM_ENDSESSION, TRUE}}) {
        SCOPED_TRACE(message);
        main->Pop_RsCopy_Click();
        ASSERT_TRUE(PumpUntil([&] { return Selection().Window() != nullptr; }));
        SendMessageW(Selection().Window(), message, wParam, 0);
        EXPECT_EQ(Selection().Window(), nullptr);
        EXPECT_EQ(AppState, StateIdle);
    }
    PumpPending();
    EXPECT_TRUE(boxes.empty());
}

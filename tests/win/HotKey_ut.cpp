// The hot keys on the real hidden main window: atoms and identifiers, which
// slot holds a shared combination, the replaced window procedure and the
// release at the end.

#include "BasHotKey.h"
#include "ShellFixture.h"
#include "ShellRules.h"

using namespace BasRuxa;

namespace {

ATOM FindAtom(int slot) { return GlobalFindAtomW(text::Widen(shell::HotKeyAtomName(slot)).c_str()); }

LONG_PTR WindowProcedure() { return GetWindowLongPtrW(MainWindow::Handle(), GWLP_WNDPROC); }

void EnableSlot(int slot, int key) {
    Settings.HotKeyOn[slot] = Settings.HotKeyALT[slot] = Settings.HotKeyCTRL[slot] = 1;
    Settings.HotKeyButton[slot] = static_cast<std::int16_t>(key);
}

void SendHotKey(int slot) {
    SendMessageW(MainWindow::Handle(), WM_HOTKEY, static_cast<WPARAM>(static_cast<INT_PTR>(BasHotKey::HotKeyId[slot])), 0);
}

}  // namespace

TEST_F(ShellTest, FirstStartBindingsLeaveTheCombinationToSlotZero) {
    const LONG_PTR original = WindowProcedure();
    BasHotKey::RegisterHotKeys(MainWindow::Handle());  // no slot enabled: the window is never hooked
    EXPECT_FALSE(BasHotKey::IsHooked());
    EXPECT_EQ(WindowProcedure(), original);

    for (int slot = 0; slot < HotKeySlotCount; ++slot) EnableSlot(slot, 'P');
    BasHotKey::RegisterHotKeys(MainWindow::Handle());
    EXPECT_NE(WindowProcedure(), original);
    for (int slot = 0; slot < HotKeySlotCount; ++slot) {
        ASSERT_NE(FindAtom(slot), 0) << slot;
        EXPECT_EQ(BasHotKey::HotKeyId[slot], static_cast<std::int16_t>(FindAtom(slot)));
        EXPECT_LT(BasHotKey::HotKeyId[slot], 0);
    }
    EXPECT_FALSE(CombinationIsFree(MOD_ALT | MOD_CONTROL, 'P'));

    // What the key delivers: slot 0's identifier, the desktop print.
    PostMessageW(MainWindow::Handle(), WM_HOTKEY, static_cast<WPARAM>(static_cast<INT_PTR>(BasHotKey::HotKeyId[0])),
                 MAKELPARAM(MOD_ALT | MOD_CONTROL, 'P'));
    ASSERT_TRUE(PumpUntil([] { return AppState != StateIdle; }));
    EXPECT_EQ(AppState, StateDtCopy);
    EXPECT_TRUE(FrmRuxa::Timer1().Enabled());
    FrmRuxa::Pop_Can_Click();

    BasHotKey::ReleaseHotKeys(MainWindow::Handle());
    EXPECT_EQ(WindowProcedure(), original);
    for (int slot = 0; slot < HotKeySlotCount; ++slot) EXPECT_EQ(FindAtom(slot), 0) << slot;
    EXPECT_TRUE(CombinationIsFree(MOD_ALT | MOD_CONTROL, 'P'));
    // A second release gives back nothing that another holder still needs.
    const ATOM other = GlobalAddAtomW(L"RUXAHOTKEY0");
    BasHotKey::ReleaseHotKeys(MainWindow::Handle());
    EXPECT_EQ(FindAtom(0), other);
    EXPECT_EQ(WindowProcedure(), original);
    GlobalDeleteAtom(other);
}

TEST_F(ShellTest, HookedWindowPassesOtherMessagesOnWithTheirResults) {
    EnableSlot(4, 'C');
    EnableSlot(6, 'R');
    Settings.HotKeySHIFT[6] = 1;
    BasHotKey::RegisterHotKeys(MainWindow::Handle());
    ASSERT_TRUE(BasHotKey::IsHooked());
    EXPECT_FALSE(CombinationIsFree(MOD_ALT | MOD_CONTROL, 'C'));
    EXPECT_FALSE(CombinationIsFree(MOD_ALT | MOD_CONTROL | MOD_SHIFT, 'R'));
    EXPECT_TRUE(CombinationIsFree(MOD_ALT | MOD_CONTROL, 'R'));

    wchar_t caption[16] = {};
    EXPECT_EQ(SendMessageW(MainWindow::Handle(), WM_GETTEXT, 16, reinterpret_cast<LPARAM>(caption)), 4);
    EXPECT_STREQ(caption, L"ヴェルモ");

    // Each slot's identifier reaches its own action; identifiers that are not
    // ours do nothing, 0 included.
    SendHotKey(6);
    EXPECT_EQ(AppState, StateRsCapture);
    SendHotKey(4);
    EXPECT_EQ(AppState, StateDtCapture);
    AppState = StateIdle;
    SendMessageW(MainWindow::Handle(), WM_HOTKEY, 0, 0);
    SendMessageW(MainWindow::Handle(), WM_HOTKEY, 12345, 0);
    EXPECT_EQ(AppState, StateIdle);
}

TEST_F(ShellTest, ForegroundWindowCopyHappensAtOnce) {
    unique_hwnd front(CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"front", WS_POPUP | WS_VISIBLE, 40, 50, 123, 45,
                                      nullptr, nullptr, nullptr, nullptr));
    SetForegroundWindow(front.get());
    ASSERT_EQ(GetForegroundWindow(), front.get());
    Settings.SelfTimer = 1;
    Settings.SelfTime = 20;
    PutTextOnClipboard();
    BasHotKey::HotKeyAction(5);
    const ClipboardImage image = ReadClipboardImage();
    EXPECT_EQ(image.width, 123);
    EXPECT_EQ(image.height, 45);
    EXPECT_EQ(AppState, StateIdle);
    EXPECT_FALSE(FrmRuxa::Timer1().Enabled());
}

TEST_F(ShellTest, CommandLineRunRegistersNoHotKey) {
    MainWindow::EndRun();
    for (int slot = 0; slot < HotKeySlotCount; ++slot) EnableSlot(slot, 'P');
    AppState = StateCommandLine;
    FrmRuxa::Load(GetModuleHandleW(nullptr));
    EXPECT_FALSE(BasHotKey::IsHooked());
    EXPECT_EQ(FindAtom(0), 0);
    EXPECT_TRUE(CombinationIsFree(MOD_ALT | MOD_CONTROL, 'P'));
}

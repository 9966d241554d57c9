// The hot keys on the real hidden main window: atoms, which slot holds a
// shared combination, WM_HOTKEY, and registrations that follow the store.
#include "BasHotKey.h"
#include "ShellFixture.h"
#include "ShellRules.h"

using namespace BasRuxa;

namespace {

ATOM FindAtom(int slot) { return GlobalFindAtomW(text::Widen(shell::HotKeyAtomName(slot)).c_str()); }

void EnableSlot(SettingsModel& s, int slot, int key) {
    s.Settings.HotKeyOn[slot] = s.Settings.HotKeyALT[slot] = s.Settings.HotKeyCTRL[slot] = 1;
    s.Settings.HotKeyButton[slot] = static_cast<std::int16_t>(key);
}

class HotKeyTest : public ShellTest {
protected:
    void SendHotKey(WPARAM id) { SendMessageW(main->Handle(), WM_HOTKEY, id, 0); }
    WPARAM IdOf(int slot) { return static_cast<WPARAM>(static_cast<INT_PTR>(BasHotKey::HotKeyId[slot])); }
};

}  // namespace

TEST_F(HotKeyTest, FirstStartBindingsLeaveTheCombinationToSlotZero) {
    SetSettings([](SettingsModel& s) {
        for (int slot = 0; slot < HotKeySlotCount; ++slot) EnableSlot(s, slot, 'P');
    });
    Restart(false);
    for (int slot = 0; slot < HotKeySlotCount; ++slot) {
        ASSERT_NE(FindAtom(slot), 0) << slot;
        EXPECT_EQ(BasHotKey::Refused(slot), slot != 0) << slot;
    }
    EXPECT_FALSE(CombinationIsFree(MOD_ALT | MOD_CONTROL, 'P'));
    // A second release gives back nothing that another holder still needs (the
    // first: ShellMenusTest.ClosedByAnother..., tests/e2e/shell_hotkeys.sh).
    BasHotKey::ReleaseHotKeys(main->Handle());
    const ATOM other = GlobalAddAtomW(L"RUXAHOTKEY0");
    BasHotKey::ReleaseHotKeys(main->Handle());
    EXPECT_EQ(FindAtom(0), other);
    GlobalDeleteAtom(other);
}

// Each identifier reaches its slot's action and no other; whatever stores the
// settings, the keys registered are the ones stored (a key another program
// held is tried again: OptionsTest.ApplyRegisters...).
TEST_F(HotKeyTest, RegistrationsFollowEveryStoreAndEachIdentifierReachesItsSlot) {
    SetSettings([](SettingsModel& s) {
        EnableSlot(s, 0, 'P');
        EnableSlot(s, 4, 'C');
        EnableSlot(s, 6, 'R');
        s.Settings.HotKeySHIFT[6] = 1;
    });
    Restart(false);
    EXPECT_FALSE(CombinationIsFree(MOD_ALT | MOD_CONTROL, 'C'));
    EXPECT_FALSE(CombinationIsFree(MOD_ALT | MOD_CONTROL | MOD_SHIFT, 'R'));
    EXPECT_TRUE(CombinationIsFree(MOD_ALT | MOD_CONTROL, 'R'));
    SendHotKey(IdOf(6));
    EXPECT_EQ(AppState, StateRsCapture);
    SendHotKey(IdOf(4));
    EXPECT_EQ(AppState, StateDtCapture);
    main->Pop_Can_Click();
    // Identifiers that are not ours do nothing, 0 and a released slot's included.
    for (const WPARAM id : {WPARAM{0}, WPARAM{12345}, IdOf(3)}) SendHotKey(id);
    EXPECT_EQ(AppState, StateIdle);

    ASSERT_FALSE(CombinationIsFree(MOD_ALT | MOD_CONTROL, 'P'));
    SettingsModel next = Store().Model();
    next.Settings.HotKeyButton[0] = 'Q';
    EnableSlot(next, 2, 'W');
    Store().Commit(next);
    EXPECT_TRUE(CombinationIsFree(MOD_ALT | MOD_CONTROL, 'P'));
    EXPECT_FALSE(CombinationIsFree(MOD_ALT | MOD_CONTROL, 'Q'));
    EXPECT_FALSE(CombinationIsFree(MOD_ALT | MOD_CONTROL, 'W'));

    // A command-line run registers none and follows no store.
    Restart(true);
    EXPECT_EQ(FindAtom(0), 0);
    EXPECT_TRUE(CombinationIsFree(MOD_ALT | MOD_CONTROL, 'Q'));
    Store().Commit(next);
    EXPECT_TRUE(CombinationIsFree(MOD_ALT | MOD_CONTROL, 'Q'));
}

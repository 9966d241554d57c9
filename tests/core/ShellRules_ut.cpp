#include "ShellRules.h"

#include <gtest/gtest.h>

#include "AppState.h"

using namespace shell;

TEST(ShellRules, TrayTakesTheRightPressAndDoubleClickOnlyInStatesThatAllowIt) {
    // 0 (start-up), idle, a desktop print countdown (the cancel menu's way
    // in) and a command-line run take clicks; every other pending state
    // ignores them, and so does any other message.
    const bool acted[] = {true, true, false, false, false, true, false, true, false, false, false, false, true};
    for (std::int16_t state = 0; state <= 12; ++state) EXPECT_EQ(ActsOnTrayClicks(state), acted[state]) << state;
    EXPECT_TRUE(ActsOnTrayClicks(-1));
    EXPECT_EQ(DecodeTrayMessage(516, StateDtCopy), TrayAction::ShowMenu);
    EXPECT_EQ(DecodeTrayMessage(515, StateCommandLine), TrayAction::DoubleClick);
    EXPECT_EQ(DecodeTrayMessage(516, StateDtCapture), TrayAction::None);
    for (int ignored : {512, 513, 514, 517, 0, -1}) EXPECT_EQ(DecodeTrayMessage(ignored, StateIdle), TrayAction::None);
}

TEST(ShellRules, DoubleClickPrintsOnlyForOneAndHotKeySlotsFollowItsNumbering) {
    EXPECT_EQ(DoubleClickCommand(1, 1), Command::DtCopy);
    EXPECT_EQ(DoubleClickCommand(1, 4), Command::FileCopy);
    for (std::int16_t other : {0, 2, -1, 99}) EXPECT_EQ(DoubleClickCommand(other, 3), Command::RsCapture) << other;
    for (std::int16_t nothing : {0, 5, -1, 32767}) {
        EXPECT_EQ(DoubleClickCommand(1, nothing), Command::None);
        EXPECT_EQ(DoubleClickCommand(0, nothing), Command::None);
    }
    // Slot = DoubleClickDo - 1 for prints, DoubleClickDo + 3 for copies; slot
    // 5 alone copies the foreground window without waiting.
    for (std::int16_t n = 1; n <= 4; ++n) {
        EXPECT_EQ(HotKeyCommand(n - 1), DoubleClickCommand(1, n));
        if (n != 2) EXPECT_EQ(HotKeyCommand(n + 3), DoubleClickCommand(0, n));
    }
    EXPECT_EQ(HotKeyCommand(5), Command::AwCaptureNow);
    EXPECT_EQ(HotKeyCommand(8), Command::Option);
    EXPECT_EQ(HotKeyCommand(9), Command::None);
    EXPECT_EQ(HotKeyCommand(-1), Command::None);
}

TEST(ShellRules, CaptureDelay) {
    EXPECT_EQ(CaptureDelayMs(2, 20), 100);  // only 1 switches the self-timer on
    EXPECT_EQ(CaptureDelayMs(1, 32767), 32767000);
    // Zero or a hand-edited negative time still lets the menu vanish first.
    EXPECT_EQ(CaptureDelayMs(1, 0), 100);
    EXPECT_EQ(CaptureDelayMs(1, -5), 100);
}

TEST(ShellRules, HotKeyModifiersCountOnlyOneAsOnAndOnlyForASlot) {
    SettingsRecord s;
    s.HotKeyALT.fill(1);
    s.HotKeyCTRL[2] = s.HotKeySHIFT[2] = 1;
    EXPECT_EQ(HotKeyModifiers(s, 2), 7u);
    EXPECT_EQ(HotKeyModifiers(s, 8), 1u);
    s.HotKeyALT[3] = 2;
    s.HotKeySHIFT[3] = -1;
    EXPECT_EQ(HotKeyModifiers(s, 3), 0u);
    for (const int slot : {-1, 9, 1000}) EXPECT_EQ(HotKeyModifiers(s, slot), 0u) << slot;
}

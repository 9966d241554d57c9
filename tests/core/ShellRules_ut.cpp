#include "ShellRules.h"

#include <gtest/gtest.h>

#include "AppState.h"

using namespace shell;

TEST(ShellRules, TrayGateFollowsTheStateTableValueByValue) {
    // 0 (start-up), idle, a desktop print countdown and a command-line run
    // take clicks; every other pending state ignores them.
    const bool acted[] = {true, true, false, false, false, true, false, true, false, false, false, false};
    for (std::int16_t state = 0; state <= 11; ++state) EXPECT_EQ(ActsOnTrayClicks(state), acted[state]) << state;
    EXPECT_TRUE(ActsOnTrayClicks(12));
    EXPECT_TRUE(ActsOnTrayClicks(-1));
}

TEST(ShellRules, OnlyRightPressAndDoubleClickHaveTrayActions) {
    EXPECT_EQ(DecodeTrayMessage(516, StateIdle), TrayAction::ShowMenu);
    EXPECT_EQ(DecodeTrayMessage(515, StateIdle), TrayAction::DoubleClick);
    EXPECT_EQ(DecodeTrayMessage(516, StateDtCopy), TrayAction::ShowMenu);  // the cancel menu's way in
    EXPECT_EQ(DecodeTrayMessage(515, StateCommandLine), TrayAction::DoubleClick);
    for (int ignored : {512, 513, 514, 517, 0, -1}) EXPECT_EQ(DecodeTrayMessage(ignored, StateIdle), TrayAction::None);
    EXPECT_EQ(DecodeTrayMessage(516, StateDtCapture), TrayAction::None);
    EXPECT_EQ(DecodeTrayMessage(515, StateDtCapture), TrayAction::None);
    EXPECT_EQ(DecodeTrayMessage(516, StateRsCopy), TrayAction::None);
}

TEST(ShellRules, DoubleClickTable) {
    EXPECT_EQ(DoubleClickCommand(1, 1), Command::DtCopy);
    EXPECT_EQ(DoubleClickCommand(1, 2), Command::AwCopy);
    EXPECT_EQ(DoubleClickCommand(1, 3), Command::RsCopy);
    EXPECT_EQ(DoubleClickCommand(1, 4), Command::FileCopy);
    for (std::int16_t other : {0, 2, -1, 99}) {
        EXPECT_EQ(DoubleClickCommand(other, 1), Command::DtCapture);
        EXPECT_EQ(DoubleClickCommand(other, 2), Command::AwCapture);
        EXPECT_EQ(DoubleClickCommand(other, 3), Command::RsCapture);
        EXPECT_EQ(DoubleClickCommand(other, 4), Command::FileCapture);
    }
    for (std::int16_t nothing : {0, 5, -1, 32767}) {
        EXPECT_EQ(DoubleClickCommand(1, nothing), Command::None);
        EXPECT_EQ(DoubleClickCommand(0, nothing), Command::None);
    }
}

TEST(ShellRules, HotKeySlotsMatchTheDoubleClickNumbering) {
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
    EXPECT_EQ(CaptureDelayMs(0, 20), 100);
    EXPECT_EQ(CaptureDelayMs(2, 20), 100);  // only 1 switches the self-timer on
    EXPECT_EQ(CaptureDelayMs(1, 2), 2000);
    EXPECT_EQ(CaptureDelayMs(1, 20), 20000);
    EXPECT_EQ(CaptureDelayMs(1, 32), 32000);
    EXPECT_EQ(CaptureDelayMs(1, 33), 33000);  // past 16 bits, still exact
    EXPECT_EQ(CaptureDelayMs(1, 32767), 32767000);
    // Zero or a hand-edited negative time still lets the menu vanish first.
    EXPECT_EQ(CaptureDelayMs(1, 0), 100);
    EXPECT_EQ(CaptureDelayMs(1, -5), 100);
}

TEST(ShellRules, HotKeyNamesIdentifiersAndModifiers) {
    EXPECT_EQ(HotKeyAtomName(0), "RUXAHOTKEY0");
    EXPECT_EQ(HotKeyAtomName(8), "RUXAHOTKEY8");
    // String atoms lie in 0xC000..0xFFFF: the identifiers are negative.
    EXPECT_EQ(HotKeyIdFromAtom(0xC000), -16384);
    EXPECT_EQ(HotKeyIdFromAtom(0xFFFF), -1);
    EXPECT_EQ(HotKeyIdFromAtom(0x1234), 0x1234);
    for (std::uint16_t atom : {0xC000, 0xC123, 0xFFFF, 0x0001}) EXPECT_EQ(AtomFromHotKeyId(HotKeyIdFromAtom(atom)), atom);

    SettingsRecord s;
    s.HotKeyALT[2] = 1;
    s.HotKeyCTRL[2] = 1;
    EXPECT_EQ(HotKeyModifiers(s, 2), 3u);
    s.HotKeySHIFT[2] = 1;
    EXPECT_EQ(HotKeyModifiers(s, 2), 7u);
    s.HotKeyALT[3] = 2;  // only 1 counts as on
    s.HotKeySHIFT[3] = -1;
    EXPECT_EQ(HotKeyModifiers(s, 3), 0u);
}

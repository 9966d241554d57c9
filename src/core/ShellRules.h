// The resident shell's decisions that need no window: which tray messages
// are acted on, what the double-click and each hot key slot run, how long a
// delayed capture waits and how a hot key is named and identified.
#pragma once
#include <cstdint>
#include <string>

#include "Settings.h"

namespace shell {

// What a menu item, the tray double-click or a hot key asks for. "Copy"
// prints (a hard copy), "Capture" copies to the clipboard.
enum class Command {
    None,
    DtCopy,
    AwCopy,
    RsCopy,
    FileCopy,
    DtCapture,
    AwCapture,
    RsCapture,
    FileCapture,
    Option,
    AwCaptureNow,  // the foreground window to the clipboard at once
};

// The tray callback's mouse messages that have an action.
constexpr int TrayLeftButtonDown = 513;
constexpr int TrayLeftDoubleClick = 515;
constexpr int TrayRightButtonDown = 516;

enum class TrayAction { None, ShowMenu, DoubleClick };

// False while a dialog is open or a capture other than a desktop print is
// pending: a menu then would act on a state the user cannot see.
bool ActsOnTrayClicks(std::int16_t appState);

TrayAction DecodeTrayMessage(int message, std::int16_t appState);

// The double-click action: DoubleClick 1 prints, anything else copies;
// DoubleClickDo 1 to 4 picks desktop, active window, region or file.
Command DoubleClickCommand(std::int16_t doubleClick, std::int16_t doubleClickDo);

// The fixed action of hot key slot 0 to 8; None outside.
Command HotKeyCommand(int slot);

// Milliseconds between arming and capture: SelfTime seconds with the
// self-timer on, else 100 ms. Never below 100 ms, so that the menu that armed
// it is gone from the screen, and formed in 32 bits, so no stored SelfTime
// can overflow it.
std::int32_t CaptureDelayMs(std::int16_t selfTimer, std::int16_t selfTime);

// The global atom name of a slot: "RUXAHOTKEY" and the slot digit.
std::string HotKeyAtomName(int slot);

// The hot key identifier: the 16-bit atom read as signed and widened with
// its sign, as it is registered and compared with WM_HOTKEY's wParam.
std::int32_t HotKeyIdFromAtom(std::uint16_t atom);
std::uint16_t AtomFromHotKeyId(std::int32_t id);

// RegisterHotKey's modifier bits for a slot: Alt 1, Ctrl 2, Shift 4; none
// outside the nine slots.
unsigned HotKeyModifiers(const SettingsRecord& settings, int slot);

// Whether two settings bind any hot key slot differently (switch, modifiers
// or key).
bool HotKeysDiffer(const SettingsRecord& a, const SettingsRecord& b);

}  // namespace shell

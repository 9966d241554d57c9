#include "ShellRules.h"

#include "AppState.h"
#include "StoredIndex.h"

namespace shell {

bool ActsOnTrayClicks(std::int16_t appState) {
    switch (appState) {
    case StateOption:
    case StatePrintDialog:
    case StateAwCopy:
    case StateAbout:
    case StateAwCapture:
    case StateRsCapture:
    case StateRsCopy:
    case StateDtCapture:
        return false;
    default:
        return true;
    }
}

TrayAction DecodeTrayMessage(int message, std::int16_t appState) {
    if (!ActsOnTrayClicks(appState)) return TrayAction::None;
    switch (message) {
    case TrayRightButtonDown: return TrayAction::ShowMenu;
    case TrayLeftDoubleClick: return TrayAction::DoubleClick;
    default: return TrayAction::None;
    }
}

Command DoubleClickCommand(std::int16_t doubleClick, std::int16_t doubleClickDo) {
    static constexpr Command prints[] = {Command::DtCopy, Command::AwCopy, Command::RsCopy, Command::FileCopy};
    static constexpr Command copies[] = {Command::DtCapture, Command::AwCapture, Command::RsCapture,
                                         Command::FileCapture};
    if (doubleClickDo < 1 || doubleClickDo > 4) return Command::None;
    return (doubleClick == 1 ? prints : copies)[doubleClickDo - 1];
}

Command HotKeyCommand(int slot) {
    static constexpr Command slots[HotKeySlotCount] = {
        Command::DtCopy,    Command::AwCopy,       Command::RsCopy,    Command::FileCopy, Command::DtCapture,
        Command::AwCaptureNow, Command::RsCapture, Command::FileCapture, Command::Option,
    };
    if (slot < 0 || slot >= HotKeySlotCount) return Command::None;
    return slots[slot];
}

std::int32_t CaptureDelayMs(std::int16_t selfTimer, std::int16_t selfTime) {
    constexpr std::int32_t shortest = 100;
    if (selfTimer != 1) return shortest;
    const std::int32_t delay = std::int32_t(selfTime) * 1000;
    return delay < shortest ? shortest : delay;
}

std::string HotKeyAtomName(int slot) { return "RUXAHOTKEY" + std::to_string(slot); }

std::int32_t HotKeyIdFromAtom(std::uint16_t atom) { return static_cast<std::int16_t>(atom); }

std::uint16_t AtomFromHotKeyId(std::int32_t id) { return static_cast<std::uint16_t>(id); }

unsigned HotKeyModifiers(const SettingsRecord& settings, int slot) {
    constexpr unsigned alt = 1, control = 2, shift = 4;
    unsigned modifiers = 0;
    if (!stored::IsHotKeySlot(slot)) return modifiers;
    if (settings.HotKeyALT[slot] == 1) modifiers |= alt;
    if (settings.HotKeyCTRL[slot] == 1) modifiers |= control;
    if (settings.HotKeySHIFT[slot] == 1) modifiers |= shift;
    return modifiers;
}

bool HotKeysDiffer(const SettingsRecord& a, const SettingsRecord& b) {
    return a.HotKeyOn != b.HotKeyOn || a.HotKeyALT != b.HotKeyALT || a.HotKeySHIFT != b.HotKeySHIFT ||
           a.HotKeyCTRL != b.HotKeyCTRL || a.HotKeyButton != b.HotKeyButton;
}

}  // namespace shell

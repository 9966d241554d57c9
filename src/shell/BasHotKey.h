// The nine global hot keys, registered on the hidden main window with atoms
// named after their slots. The main window's procedure hands WM_HOTKEY to the
// slot's action.
#pragma once
#include <windows.h>

#include <array>
#include <cstdint>

#include "Settings.h"

namespace BasHotKey {

// Each slot's identifier: its atom, sign-widened (negative). A released
// slot keeps its last value until it is registered again.
inline std::array<std::int32_t, HotKeySlotCount> HotKeyId{};

// Either does nothing for a number that is no slot (0 to 8). The binding is
// the settings' for that slot.
void SetHotKey(HWND window, int slot, const SettingsRecord& settings);
void ReleaseHotKey(HWND window, int slot);
// Whether the slot's registration was refused (its combination was taken);
// false once the slot is released.
bool Refused(int slot);
bool AnyRefused();

// The slot a WM_HOTKEY identifier belongs to, -1 for none of ours.
int SlotOf(WPARAM id);

// Every slot whose HotKeyOn is 1 in the settings.
void RegisterHotKeys(HWND window, const SettingsRecord& settings);
// Releases the slots registered: whenever the bindings change, at the menu's
// end, and whenever the main window goes, because the atoms would otherwise
// outlive the program in the session's atom table.
void ReleaseHotKeys(HWND window);

}  // namespace BasHotKey

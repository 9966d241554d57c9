// The nine global hot keys. They are registered on the hidden main window,
// whose window procedure is replaced so that WM_HOTKEY reaches the slot's
// action; every other message goes on to the window's own procedure.
#pragma once
#include <windows.h>

#include <array>
#include <cstdint>

#include "Settings.h"

namespace BasHotKey {

// Each slot's identifier: its atom, sign-widened (negative). A released
// slot keeps its last value until it is registered again.
inline std::array<std::int32_t, HotKeySlotCount> HotKeyId{};
inline WNDPROC PrevWndProc = nullptr;

void HookWindow(HWND window);
void UnhookWindow(HWND window);
bool IsHooked();

// Either does nothing for a number that is no slot (0 to 8).
void SetHotKey(HWND window, int slot);
void ReleaseHotKey(HWND window, int slot);
// Whether the slot's registration was refused (its combination was taken);
// false once the slot is released.
bool Refused(int slot);

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void HotKeyAction(int slot);

// Every slot whose HotKeyOn is 1, the window hooked before the first one.
void RegisterHotKeys(HWND window);
// Releases the slots registered and unhooks the window when any was: at the
// menu's end, and whenever the main window goes, because the atoms would
// otherwise outlive the program in the session's atom table.
void ReleaseHotKeys(HWND window);

}  // namespace BasHotKey

#include "BasHotKey.h"

#include "Capture.h"
#include "FrmRuxa.h"
#include "Globals.h"
#include "Output.h"
#include "ShellRules.h"
#include "StoredIndex.h"
#include "Text.h"

namespace BasHotKey {
namespace {

std::array<bool, HotKeySlotCount> registered{};
// The system refused the slot's combination at its last registration.
std::array<bool, HotKeySlotCount> refused{};

}  // namespace

void HookWindow(HWND window) {
    // Hooking twice would make the previous procedure our own and recurse.
    if (PrevWndProc) return;
    PrevWndProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProc)));
}

void UnhookWindow(HWND window) {
    if (!PrevWndProc) return;
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PrevWndProc));
    PrevWndProc = nullptr;
}

bool IsHooked() { return PrevWndProc != nullptr; }

void SetHotKey(HWND window, int slot) {
    if (!stored::IsHotKeySlot(slot)) return;
    const std::wstring name = text::Widen(shell::HotKeyAtomName(slot));
    HotKeyId[slot] = shell::HotKeyIdFromAtom(GlobalAddAtomW(name.c_str()));
    registered[slot] = true;
    // A combination another program (or an earlier slot) holds is refused;
    // the slot then never fires, and the options dialog says why.
    refused[slot] = !RegisterHotKey(window, HotKeyId[slot], shell::HotKeyModifiers(BasRuxa::Settings, slot),
                                    static_cast<UINT>(static_cast<std::uint16_t>(BasRuxa::Settings.HotKeyButton[slot])));
}

void ReleaseHotKey(HWND window, int slot) {
    // The atom is shared by name across the session: deleting it twice would
    // take a reference away from whoever else holds it.
    if (!stored::IsHotKeySlot(slot) || !registered[slot]) return;
    UnregisterHotKey(window, HotKeyId[slot]);
    GlobalDeleteAtom(shell::AtomFromHotKeyId(HotKeyId[slot]));
    registered[slot] = false;
    refused[slot] = false;
}

bool Refused(int slot) { return refused[slot]; }

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_HOTKEY) return CallWindowProcW(PrevWndProc, window, message, wParam, lParam);
    const auto id = static_cast<std::int32_t>(wParam);
    for (int slot = 0; slot < HotKeySlotCount; ++slot)
        if (HotKeyId[slot] != 0 && id == HotKeyId[slot]) HotKeyAction(slot);
    return 0;
}

void HotKeyAction(int slot) { FrmRuxa::RunCommand(shell::HotKeyCommand(slot)); }

void RegisterHotKeys(HWND window) {
    for (int slot = 0; slot < HotKeySlotCount; ++slot) {
        if (BasRuxa::Settings.HotKeyOn[slot] != 1) continue;
        HookWindow(window);
        SetHotKey(window, slot);
    }
}

void ReleaseHotKeys(HWND window) {
    // The slots registered are those whose HotKeyOn was 1 when they were; the
    // settings may have changed since, the registrations have not.
    bool released = false;
    for (int slot = 0; slot < HotKeySlotCount; ++slot) {
        if (!registered[slot]) continue;
        ReleaseHotKey(window, slot);
        released = true;
    }
    if (released) UnhookWindow(window);
}

}  // namespace BasHotKey

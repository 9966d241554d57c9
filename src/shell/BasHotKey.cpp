#include "BasHotKey.h"

#include "ShellRules.h"
#include "StoredIndex.h"
#include "Text.h"

namespace BasHotKey {
namespace {

std::array<bool, HotKeySlotCount> registered{};
// The system refused the slot's combination at its last registration.
std::array<bool, HotKeySlotCount> refused{};

}  // namespace

void SetHotKey(HWND window, int slot, const SettingsRecord& settings) {
    if (!stored::IsHotKeySlot(slot)) return;
    const std::wstring name = text::Widen(shell::HotKeyAtomName(slot));
    HotKeyId[slot] = shell::HotKeyIdFromAtom(GlobalAddAtomW(name.c_str()));
    registered[slot] = true;
    // A combination another program (or an earlier slot) holds is refused;
    // the slot then never fires, and the options dialog says why.
    refused[slot] = !RegisterHotKey(window, HotKeyId[slot], shell::HotKeyModifiers(settings, slot),
                                    static_cast<UINT>(static_cast<std::uint16_t>(settings.HotKeyButton[slot])));
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

bool Refused(int slot) { return stored::IsHotKeySlot(slot) && refused[slot]; }

bool AnyRefused() {
    for (const bool each : refused)
        if (each) return true;
    return false;
}

int SlotOf(WPARAM id) {
    const auto wanted = static_cast<std::int32_t>(id);
    for (int slot = 0; slot < HotKeySlotCount; ++slot)
        if (registered[slot] && HotKeyId[slot] == wanted) return slot;
    return -1;
}

void RegisterHotKeys(HWND window, const SettingsRecord& settings) {
    for (int slot = 0; slot < HotKeySlotCount; ++slot)
        if (settings.HotKeyOn[slot] == 1) SetHotKey(window, slot, settings);
}

void ReleaseHotKeys(HWND window) {
    for (int slot = 0; slot < HotKeySlotCount; ++slot) ReleaseHotKey(window, slot);
}

}  // namespace BasHotKey

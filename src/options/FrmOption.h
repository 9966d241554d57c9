// The options dialog, shown modeless from the tray menu and hot key slot 8.
// It edits copies of the settings and stores them on Apply and OK.
#pragma once
#include <functional>

class Form;

namespace FrmOption {

// What the dialog needs of the hot keys, which live in the shell above it;
// the shell hands these down when it loads.
struct HotKeyService {
    // Releases every slot now registered (and unhooks the main window).
    std::function<void()> ReleaseAll;
    // Registers the slots the settings enable (hooking the main window first).
    std::function<void()> RegisterEnabled;
    // Whether the system refused the slot's last registration: its key is
    // held by another program or by an earlier slot.
    std::function<bool(int slot)> Refused;
};
inline HotKeyService HotKeys;

// Loads the dialog unseen, running its opening steps; Show loads it when
// needed and brings it to the front (an open dialog is shown again).
void Load();
void Show();
// Closes it without storing; the shell returns to idle.
void Unload();

// The open dialog, nullptr when it is not loaded.
Form* Window();

}  // namespace FrmOption

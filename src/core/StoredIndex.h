// From a number stored in the settings to what it indexes. A hand-edited
// file may hold any number, and the loader keeps most of them as they are
// (Settings.h), so every reader goes through these and none can index outside
// a table. The paper codes have theirs in PaperTables.h; the double-click and
// hot key actions in ShellRules.h.
#pragma once
#include <optional>

#include "Settings.h"

namespace stored {

// The named settings in use: PrinterCount held to 0 to 101.
int NamedSettingCount(const SettingsRecord& settings);

// The named setting in a slot that is in use (0 to the count - 1), such as
// the one LastSet names; nothing for -1 or any other slot.
const PrintSettings* NamedSettingAt(const SettingsModel& model, int slot);
PrintSettings* NamedSettingAt(SettingsModel& model, int slot);

// A hot key slot, 0 to 8.
bool IsHotKeySlot(int slot);

// The option buttons the print settings choose between.
enum class OptionGroup {
    Pos,          // 1 top left, 2 top right, 3 centre, 4 bottom left, 5 bottom right
    Size,         // 1 actual size, 2 fit to the paper, 3 manual ratio
    Orientation,  // 1 portrait, 2 landscape
};

// The button a stored value chooses, counted from 0 within its group;
// nothing for any other value, so that no button is chosen.
std::optional<int> ChosenOption(OptionGroup group, int value);

}  // namespace stored

// What becomes of a dialog's edits of the settings when it stores them. A
// dialog edits working copies while it is open, and another dialog (a hot key
// opens one while the other is up) may store meanwhile: what that one stored
// must show in this one before this one stores, without losing this one's own
// edits. And no edit may make ruxa.ini read as a file that was never set up.
#pragma once
#include <string_view>

#include "Settings.h"

namespace settings {

// Whether the loader would take a file holding this title for a first start
// (and write the defaults over every setting in it).
bool TitleMeansFirstStart(std::string_view title);

// `work` was taken from `before`; the stored settings have since become
// `after`. Every field (each hot key slot on its own) that the store changed
// takes the stored value; every other field keeps what `work` holds.
void TakeStoredChanges(const SettingsRecord& before, const SettingsRecord& after, SettingsRecord& work);
void TakeStoredChanges(const PrintSettings& before, const PrintSettings& after, PrintSettings& work);

// The same for a dialog's working copies of the settings record and the
// print settings; a named setting chosen in `work` follows its setting to
// its new place when the named settings changed.
void TakeStoredChanges(const SettingsModel& before, const SettingsModel& after, SettingsRecord& work,
                       PrintSettings& workPrint);

// The named settings in use (count and every slot's values) differ.
bool NamedSettingsDiffer(const SettingsModel& a, const SettingsModel& b);

// Where the named setting in `slot` of `before` is in `after`: found by its
// name (a saved name is unique; an overwrite keeps its place), -1 when it was
// deleted or `slot` named none.
std::int16_t FollowNamedSetting(const SettingsModel& before, const SettingsModel& after, int slot);

}  // namespace settings

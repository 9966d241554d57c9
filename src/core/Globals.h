// The program's shared state, owned by the module BasRuxa: the settings in
// memory, the program folder and the shell state. One user-interface thread
// reads and writes it; nothing here is touched from another thread.
#pragma once
#include <cstdint>
#include <string>

#include "AppState.h"
#include "CommandLine.h"
#include "Settings.h"

namespace BasRuxa {

inline SettingsModel Model;
inline SettingsRecord& Settings = Model.Settings;
inline PrintSettings& CurrentPrint = Model.CurrentPrint;
inline NamedSettingsArray& NamedSettings = Model.NamedSettings;

inline std::string AppPath;          // UTF-8, always ending in "\"
inline std::string LastPicturePath;  // where the next file dialog opens
inline CommandLineArgs CmdLine;
inline std::int16_t AppState = 0;
// ConfirmBeforePrint as ruxa.ini holds it. A command-line run decides for
// itself whether to confirm its print; a save during the run keeps the file's
// choice.
inline std::int16_t ConfirmBeforePrintInFile = 0;
// Counts the saves and deletions of named settings, so that a dialog open
// meanwhile can tell that its list of them is out of date.
inline int NamedSettingsChanges = 0;

}  // namespace BasRuxa

namespace BasRuxa {

// Writes every setting to ruxa.ini in the program folder. The program defines
// it (app/SettingsFile.cpp); on failure the user is told and memory is kept.
bool SaveSettings();

}  // namespace BasRuxa

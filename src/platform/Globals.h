// The program's shared state besides its settings (SettingsStore.h): where it
// lives and where its file dialogs open. One user-interface thread reads and
// writes it; nothing here is touched from another thread.
#pragma once
#include <string>

#include "SettingsStore.h"

namespace BasRuxa {

inline std::string AppPath;          // UTF-8, always ending in "\"
inline std::string LastPicturePath;  // where the next file dialog opens

}  // namespace BasRuxa

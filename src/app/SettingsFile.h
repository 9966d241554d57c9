// Binds the settings model to ruxa.ini (and the legacy ruxa.inf) in the
// program folder.
#pragma once
#include <string>

#include "Globals.h"

namespace BasRuxa {

std::wstring IniPath();
std::wstring LegacyInfPath();

// Reads the settings once; on the first start writes the default file first,
// taking over a legacy ruxa.inf. False when the program has to end because
// the legacy file exists but cannot be read (the user has been told why).
bool LoadSettings();

}  // namespace BasRuxa

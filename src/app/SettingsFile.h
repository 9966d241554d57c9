// Binds the settings model to ruxa.ini (and the legacy ruxa.inf) in the
// program folder.
#pragma once
#include <string>

#include "Globals.h"

namespace BasRuxa {

std::wstring IniPath();
std::wstring LegacyInfPath();

// Reads the settings once; on the first start writes the default file first,
// taking over a legacy ruxa.inf. ruxa.ini is read by its byte-order mark if
// it has one and saved back the same way (TextFile.h). False when the program
// has to end without writing anything: the legacy file exists but cannot be
// read, or ruxa.ini exists but cannot be read and the user gave up retrying
// (the user has been told why).
bool LoadSettings();

}  // namespace BasRuxa

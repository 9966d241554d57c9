// Where the settings live and how start-up reads them. ruxa.ini lies beside
// the program (portable use) wherever that folder can be written; where it
// cannot (a copy in Program Files, a read-only folder) the settings live in
// the user's own folder, and the user is told once.
#pragma once
#include <string>

namespace BasRuxa {

std::wstring LegacyInfPath();

// Reads the settings once into the store and binds it to the file; on the
// first start writes the default file first, taking over a legacy ruxa.inf.
// ruxa.ini is read by its byte-order mark if it has one and saved back the
// same way (TextFile.h). False when the program has to end without writing
// anything: the legacy file exists but cannot be read, or ruxa.ini exists but
// cannot be read and the user gave up retrying (the user has been told why).
bool LoadSettings();

}  // namespace BasRuxa
